#include "ui/page/KindSectionTables.h"

namespace morvane::ui::page::tables {
namespace {

using C = Control;
using P = Placement;

// Labels left out are the key table's labels.
// clang-format off
constexpr FieldSpec kCyclingColorsText[] = {
    number(u"TextHeight", u"pixels (Default is 10)"),
    number(u"TextHeightOffset", u"pixels (Default: vertically centered)"),
    number(u"TextWidthOffset", u"pixels (Default: horizontally centered)"),
    number(u"Pause", u"milliseconds (Default is 100)"),
    text(u"Text"),
};
constexpr HelpSpec kCyclingColorsTextHelp[] = {{u"This animation is composed of frames.'Animation pause' is the delay between two frames. 'Text height' is the height of the letters in pixels. 'Text height offset' and 'Text width offset' place the text from the top and from the left of the applet area; leave them blank to center the text. Type the text to display in 'Text': its colors cycle by themselves."}};

constexpr FieldSpec kDateText[] = {
    number(u"TextHeight", u"pixels (Default is 10)"),
    number(u"HeightOffset", u"pixels (Default: vertically centered)"),
    number(u"WidthOffset", u"pixels (Default: horizontally centered)"),
    swatch(u"Color"),
};
constexpr HelpSpec kDateTextHelp[] = {{u"The applet displays the date of the day. 'Height of the text' is the height of the letters in pixels. 'Text height offset' and 'Text width offset' place the date from the top and from the left of the applet area; leave them blank to center the date. Click the 'Text color' box to choose the color of the date."}};

constexpr FieldSpec kFlickering[] = {
    number(u"TextHeight", u"pixels (Default is 10)"),
    number(u"HeightOffset", u"pixels (Default: vertically centered)"),
    number(u"WidthOffset", u"pixels (Default: horizontally centered)"),
    number(u"Pause", u"milliseconds (Default is 500)"),
    text(u"Text"),
    swatch(u"Color"),
};
constexpr HelpSpec kFlickeringHelp[] = {{u"This animation is composed of frames.'Animation pause' is the delay between two frames. 'Height of the text' is the height of the letters in pixels. 'Text height offset' and 'Text width offset' place the text from the top and from the left of the applet area; leave them blank to center the text. Type the flickering text in 'Text' and click the 'Text color' box to choose its color."}};

constexpr FieldSpec kFontImageScrolling[] = {
    number(u"Pause", u"milliseconds (Default is 100)"),
    number(u"TextHeight", u"pixels (Default is letters image height)"),
    number(u"TextStep", u"pixels (Default is 2)"),
    text(u"Text"),
    path(u"Image", FileKind::Images),
    text(u"LettersMap"),
    radio(u"Radio13Index"),
};
constexpr HelpSpec kFontImageScrollingHelp[] = {{u"This applet read the image 'Image containing the letters' and take the letters you have drawn in this image. You have to draw the letters the one following the others, with always the same width. In order that the applet knows what letters you have drawn, you have to fill out the 'Letters map' field and write the letters in the same order than in the image file. You can have get an idea of the image file by viewing the file 'letters.gif' in the 'FontImageScrolling' directory. The default text height is the letters image height, but you can force the text height by filling out 'Force text height'. 'Animation pause' sets the animation speed and 'Text step' the text step in each animation frame. Endless you can set the text direction: to the left or to the right."}};

constexpr FieldSpec kGuestBook[] = {
    group(u"Recipient email"),
    {.control = C::Edit, .key = u"Email", .placement = P::LabelAbove},
    group(u"Labels"),
    {.control = C::Edit, .key = u"NameLabel", .placement = P::LabelAbove},
    {.control = C::Edit, .key = u"EmailLabel", .placement = P::LabelAbove},
    {.control = C::Edit, .key = u"MessageBoxLabel", .placement = P::LabelAbove},
    {.control = C::Edit, .key = u"SendButtonLabel", .placement = P::LabelAbove},
    {.control = C::Edit, .key = u"MessageBoxSentLabel", .placement = P::LabelAbove},
    {.control = C::Edit, .key = u"NoMessageLabel", .hint = u"(default is \"no message\")", .placement = P::LabelAbove},
    // Two lines at the usual width; one paragraph, so that a larger font wraps it evenly.
    {.control = C::Note, .label = u"Put the messages you receive in the file 'guestbook.txt' as described in the GuestBook specific help"},
};
constexpr HelpSpec kGuestBookHelp[] = {
    {u"Enter here your email address.The visitors will send messages with the guestbook to this address.", u"Recipient email"},
    {u"You can customize the guestbook labels. Try and see.", u"Labels"},
    {u"Once you have received a message you have to put it in the file 'guestbook.txt', which must stand in the same directory than the applet file, so that the guestbook displays this message with the other ones. When adding a message to the file you have to respect a defined structure. Read the GuestBook specific help to see this structure. Note : a message is sent by the visitor's own mail program, which the applet opens with the message ready to send."},
};

constexpr FieldSpec kIPViewer[] = {
    {.control = C::Edit, .key = u"Label", .hint = u"(Default is \"Your IP is:\")", .width = 150},
};
constexpr HelpSpec kIPViewerHelp[] = {{u"You can custom the text in this applet."}};

constexpr FieldSpec kScrolling[] = {
    number(u"TextHeight", u"pixels (Default is 10)"),
    number(u"TextHeightOffset", u"pixels (Default: vertically centered)"),
    number(u"TextStep", u"pixels (Default is 3)"),
    number(u"Pause", u"milliseconds (Default is 5)"),
    text(u"Text"),
    swatch(u"Color"),
};
constexpr HelpSpec kScrollingHelp[] = {{u"This animation is composed of frames.'Animation pause' is the delay between two frames. 'Text height' is the height of the letters in pixels and 'Text height offset' places the text from the top of the applet area; leave it blank to center the text vertically. 'Text step' is the number of pixels the text moves from one frame to the next. Type the scrolling text in 'Text' and click the 'Text color' box to choose its color."}};

constexpr FieldSpec kScrollUpDown[] = {
    number(u"TextHeight", u"pixels (Default is 20)"),
    number(u"WidthShift", u"pixels (Default is 10)"),
    number(u"TextStep", u"pixels (Default is 2)"),
    number(u"Pause", u"milliseconds (Default is 100)"),
    number(u"HeightSpace", u"pixels (Default is 15)"),
    text(u"Text"),
    radio(u"Radio12Index"),
    swatch(u"Color"),
};
constexpr HelpSpec kScrollUpDownHelp[] = {{u"This animation is composed of frames.'Animation pause' is the delay between two frames. 'Text height' is the height of the letters in pixels and 'Text width offset' places the lines from the left of the applet area. 'Text step' is the number of pixels the lines move from one frame to the next, and 'Height space between two lines' the room left between two lines. Choose whether the text scrolls up or down, and click the 'Text color' box to choose its color."}};

constexpr FieldSpec kStars[] = {
    number(u"Pause", u"milliseconds (Default is 50)"),
    number(u"StarsNumber", u"(Default is 100)"),
    number(u"StarsMeanStep", u"pixels (Default is applet width/10)"),
    swatch(u"Color"),
};
constexpr HelpSpec kStarsHelp[] = {{u"'Animation pause' is the delay between two animation frames. 'Stars number' is the number of stars shown at the same time and 'Stars mean step' the mean distance, in pixels, that a star moves from one frame to the next. Click the 'Stars color' box to choose the color of the stars."}};

constexpr FieldSpec kStarsText[] = {
    number(u"Pause", u"milliseconds (Default is 50)"),
    number(u"StarsNumber", u"(Default is 100)"),
    number(u"StarsMeanStep", u"pixels (Default is applet width/10)"),
    swatch(u"Color"),
    {.control = C::CheckBox, .key = u"Scrollbar"},
    text(u"Text"),
    number(u"TextHeight", u"pixels (Default is 10)"),
    number(u"ZoomInStep", u"pixels (Default is 2)"),
    number(u"ZoomOutStep", u"pixels (Default is 2)"),
};
constexpr HelpSpec kStarsTextHelp[] = {{u"'Animation pause' is the delay between two animation frames. 'Stars number' is the number of stars shown at the same time and 'Stars mean step' the mean distance, in pixels, that a star moves from one frame to the next. The text comes towards the visitor and goes away again: 'Zoom in step' and 'Zoom out step' are the number of pixels its height grows and shrinks in each frame. Put a '#' in the text to go to a new line. Check the box to give the visitor a scrollbar that controls the speed."}};

constexpr FieldSpec kStarsText2[] = {
    number(u"Pause", u"milliseconds (Default is 50)"),
    number(u"StarsNumber", u"(Default is 100)"),
    number(u"StarsMeanStep", u"pixels (Default is applet width/10)"),
    swatch(u"Color"),
    {.control = C::CheckBox, .key = u"Scrollbar"},
    text(u"Text"),
    number(u"TextHeight", u"pixels (Default is 10)"),
    number(u"LettersZoomStep", u"pixels (Default is 2)"),
    number(u"TextZoomStep", u"pixels (Default is 2)"),
    number(u"LettersInitialHeight", u"pixels (Default is applet height)"),
};
constexpr HelpSpec kStarsText2Help[] = {{u"'Animation pause' is the delay between two animation frames. 'Stars number' is the number of stars shown at the same time and 'Stars mean step' the mean distance, in pixels, that a star moves from one frame to the next. The letters of the text arrive one after the other, starting at 'Letters initial height' and shrinking by 'Letters zoom step' pixels in each frame; then the whole text zooms by 'Text zoom step'. Put a '#' in the text to go to a new line. Check the box to give the visitor a scrollbar that controls the speed."}};

constexpr FieldSpec kStatusBarScroller[] = {
    text(u"Text"),
    number(u"Pause", u"(milliseconds)  (default is 50)"),
};
constexpr HelpSpec kStatusBarScrollerHelp[] = {{u"'Text to scroll in the status bar' is the text which will be scrolled in the browser status bar. 'Scrolling animation pause' is the delay between two scrolling frames. "}};

constexpr FieldSpec kTextStream[] = {
    number(u"TextHeight", u"pixels (Default is 10)"),
    number(u"TextHeightOffset", u"pixels (Default is 0)"),
    number(u"TextWidthOffset", u"pixels (Default is 0)"),
    number(u"Pause", u"milliseconds (Default is 100)"),
    number(u"EndLinePause", u"milliseconds (Default is 500)"),
    text(u"Text"),
    swatch(u"Color"),
};
constexpr HelpSpec kTextStreamHelp[] = {{u"This animation is composed of frames.'Animation pause' is the delay between two frames: the letters appear one by one. 'End line pause' is the delay once a whole line is displayed. 'Text height' is the height of the letters in pixels; 'Text height offset' and 'Text width offset' place the text from the top and from the left of the applet area. Put a '#' in the text to go to a new line, and click the 'Text color' box to choose its color."}};

constexpr FieldSpec kWaveText[] = {
    number(u"TextHeight", u"pixels (Default is 10)"),
    number(u"TextHeightOffset", u"pixels (Default: vertically centered)"),
    number(u"TextStep", u"pixels (Default is 3)"),
    number(u"Pause", u"milliseconds (Default is 5)"),
    number(u"WaveAmplitude", u"pixels (Default is 40)"),
    number(u"AngleStep", u"degrees (Default is 95)"),
    number(u"PhaseStep", u"degrees (Default depends on the text)"),
    text(u"Text"),
    swatch(u"Color"),
};
constexpr HelpSpec kWaveTextHelp[] = {{u"This animation is composed of frames.'Animation pause' is the delay between two frames. 'Text height' is the height of the letters in pixels and 'Text height offset' places the text from the top of the applet area; leave it blank to center the text vertically. 'Text step' is the number of pixels the text moves in each frame. 'Wave amplitude' is the height of the wave; 'Angle step' is the angle, in degrees, between two letters on the wave and 'Phase step' how far the wave moves on from one frame to the next."}};

constexpr FieldSpec kWhoIsVisitor[] = {
    text(u"Recipient"),
    {.control = C::Edit, .key = u"Sender", .hint = u"(Default is \"visitors@example.com\")"},
};
constexpr HelpSpec kWhoIsVisitorHelp[] = {{u"Each time a visitor opens the page, the applet sends you an e-mail telling the visitor's address and the page the visitor came from. 'Recipient E-mail' is your own address, where the e-mails are sent to; 'Sender E-mail' is the address they appear to come from, for example 'visitors@example.com'."}};

constexpr SpecificSectionEntry kEntries[] = {
    {u"CyclingColorsText", {nullptr, 159, kCyclingColorsText, kCyclingColorsTextHelp}},
    {u"DateText", {nullptr, 119, kDateText, kDateTextHelp}},
    {u"Flickering", {nullptr, 181, kFlickering, kFlickeringHelp}},
    {u"FontImageScrolling", {nullptr, 279, kFontImageScrolling, kFontImageScrollingHelp}},
    {u"GuestBook", {nullptr, 313, kGuestBook, kGuestBookHelp}},
    {u"IPViewer", {nullptr, 37, kIPViewer, kIPViewerHelp}},
    {u"Scrolling", {nullptr, 185, kScrolling, kScrollingHelp}},
    {u"ScrollUpDown", {nullptr, 273, kScrollUpDown, kScrollUpDownHelp}},
    {u"Stars", {nullptr, 129, kStars, kStarsHelp}},
    {u"StarsText", {nullptr, 240, kStarsText, kStarsTextHelp}},
    {u"StarsText2", {nullptr, 279, kStarsText2, kStarsText2Help}},
    {u"StatusBarScroller", {nullptr, 75, kStatusBarScroller, kStatusBarScrollerHelp}},
    {u"TextStream", {nullptr, 219, kTextStream, kTextStreamHelp}},
    {u"WaveText", {nullptr, 267, kWaveText, kWaveTextHelp}},
    {u"WhoIsVisitor", {nullptr, 81, kWhoIsVisitor, kWhoIsVisitorHelp}},
};
// clang-format on

} // namespace

std::span<const SpecificSectionEntry> textSections()
{
    return kEntries;
}

} // namespace morvane::ui::page::tables
