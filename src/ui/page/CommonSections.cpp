#include "ui/page/CommonSections.h"

#include "catalog/KeyTable.h"

#include <array>

namespace morvane::ui::page {
namespace {

using C = Control;
using P = Placement;
using K = catalog::CommonKeyId;
using catalog::keyOf;

// clang-format off
constexpr FieldSpec kDimensions[] = {
    {.control = C::Edit, .key = keyOf(K::Width), .label = u"Width :", .width = 60},
    {.control = C::Edit, .key = keyOf(K::Height), .label = u"Height :", .placement = P::SameRow, .width = 60},
};
constexpr FieldSpec kBackgroundColor[] = {
    {.control = C::ColorSwatch, .key = keyOf(K::BackgroundColor), .label = u"Background color:"},
};
constexpr FieldSpec kBackgroundImage[] = {
    {.control = C::PathEdit, .key = keyOf(K::BackgroundImage), .label = u"", .files = FileKind::Images},
};
constexpr FieldSpec kNoJavaMessage[] = {
    {.control = C::Edit, .key = keyOf(K::NoJavaMessage),
     .label = u"Message to display if Java is not enabled:", .placement = P::LabelAbove},
};
constexpr FieldSpec kLoadSound[] = {
    {.control = C::PathEdit, .key = keyOf(K::OnloadSound), .label = u"", .width = 250, .files = FileKind::Sounds},
    {.control = C::CheckBox, .key = keyOf(K::Loop), .label = u"Loop", .placement = P::SameRow},
};
constexpr FieldSpec kStatusbarMessage[] = {
    {.control = C::Edit, .key = keyOf(K::StatusbarMessage),
     .label = u"Message to display in the browser status bar when the mouse is over the applet:",
     .placement = P::LabelAbove},
};
constexpr FieldSpec kMouseOverSound[] = {
    {.control = C::PathEdit, .key = keyOf(K::OnmouseoverSound), .label = u"", .files = FileKind::Sounds},
};
constexpr FieldSpec kMouseOverColor[] = {
    {.control = C::CheckBox, .key = keyOf(K::OnmouseoverBackgroundColorEnabled), .label = u"Enabled"},
    {.control = C::ColorSwatch, .key = keyOf(K::OnmouseoverBackgroundColor), .label = u"", .placement = P::SameRow},
};
constexpr FieldSpec kMouseOverMessage[] = {
    {.control = C::CheckBox, .key = keyOf(K::OnmouseoverTextEnabled), .label = u"Enabled"},
    {.control = C::Edit, .key = keyOf(K::OnmouseoverText), .label = u"", .placement = P::SameRow},
    {.control = C::Edit, .key = keyOf(K::OnmouseoverTextHeight), .label = u"Height:", .width = 50},
    {.control = C::ColorSwatch, .key = keyOf(K::OnmouseoverTextColor), .label = u"Color:", .placement = P::SameRow},
};
constexpr FieldSpec kClickSound[] = {
    {.control = C::PathEdit, .key = keyOf(K::OnclicSound), .label = u"", .files = FileKind::Sounds},
};
constexpr FieldSpec kClickLink[] = {
    {.control = C::Edit, .key = keyOf(K::Link), .label = u"", .width = 220},
    {.control = C::TargetDropDown, .key = keyOf(K::Target), .label = u"Target:", .placement = P::SameRow, .width = 100},
};

constexpr HelpSpec kDimensionsHelp[] = {{u"Enter here the width and the height of the applet. These will be the dimensions of the applet area on your Web page."}};
constexpr HelpSpec kBackgroundColorHelp[] = {{u"Click to set the applet background color. "}};
constexpr HelpSpec kBackgroundImageHelp[] = {{u"Click to browse and choose a background image."}};
constexpr HelpSpec kNoJavaMessageHelp[] = {{u"This message will be displayed, instead of the applet, if the browser visitor is not Java enabled."}};
constexpr HelpSpec kLoadSoundHelp[] = {{u"Click to browse and choose an on load sound. This sound will be played when the applet starts. Check 'Loop' if you want this sound to be looped until the visitor quits the page."}};
constexpr HelpSpec kStatusbarMessageHelp[] = {{u"This message will be displayed in the browser status bar when the mouse pointer comes over the applet area."}};
constexpr HelpSpec kMouseOverSoundHelp[] = {{u"Click to browse and choose an on mouse over sound. This sound will be played when the mouse pointer is over the applet area."}};
constexpr HelpSpec kMouseOverColorHelp[] = {{u"Click to choose a mouse over background color. The background color set in Step 1 will change to this one when the mouse pointer is over the applet area. When the mouse exits, the the background color become the old color."}};
constexpr HelpSpec kMouseOverMessageHelp[] = {{u"Here you can active an on mouse over message. This message will be displayed centered on the applet area when the mouse pointer is over the applet area. The message disappears when the mouse pointer goes out. To enable this message, check 'Enabled', then enter your text, the text height and set the text color."}};
constexpr HelpSpec kClickSoundHelp[] = {{u"Click to browse and choose an on click sound. This sound will be played when the visitor clicks on the applet area."}};
constexpr HelpSpec kClickLinkHelp[] = {{u"Enter here the page to open when the visitor clicks on the applet area: either an absolute web address such as 'https://www.example.com/', or the name of a page relative to the page of the applet, such as 'home.html'. 'Target' tells where the page opens: '_self' in the same window, '_blank' in a new window, '_top' in the whole window and '_parent' in the parent frame. If your site uses frames, select 'frame name' and type the name of the destination frame in its place."}};

constexpr std::array<SectionLayout, catalog::kCommonParameterCount> kSections{{
    {u"sectionDimensions", 61, kDimensions, kDimensionsHelp},
    {u"sectionBackgroundColor", 49, kBackgroundColor, kBackgroundColorHelp},
    {u"sectionBackgroundImage", 57, kBackgroundImage, kBackgroundImageHelp},
    {u"sectionNoJavaMessage", 57, kNoJavaMessage, kNoJavaMessageHelp},
    {u"sectionLoadSound", 66, kLoadSound, kLoadSoundHelp},
    {u"sectionStatusbarMessage", 77, kStatusbarMessage, kStatusbarMessageHelp},
    {u"sectionMouseOverSound", 58, kMouseOverSound, kMouseOverSoundHelp},
    {u"sectionMouseOverColor", 56, kMouseOverColor, kMouseOverColorHelp},
    {u"sectionMouseOverMessage", 71, kMouseOverMessage, kMouseOverMessageHelp},
    {u"sectionClickSound", 58, kClickSound, kClickSoundHelp},
    {u"sectionClickLink", 58, kClickLink, kClickLinkHelp},
}};
// clang-format on

} // namespace

const SectionLayout& commonSection(catalog::CommonParameter parameter)
{
    return kSections[static_cast<size_t>(parameter)];
}

} // namespace morvane::ui::page
