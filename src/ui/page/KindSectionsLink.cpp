#include "ui/page/KindSectionTables.h"

namespace morvane::ui::page::tables {
namespace {

using C = Control;

constexpr FieldSpec kMenuGroup = group(u"Menu hierarchy");

// Labels left out are the key table's labels.
// clang-format off
constexpr FieldSpec kButtonLink[] = {
    text(u"ButtonText"),
    number(u"ButtonWidth", u"pixels (Default is width of the applet)"),
    number(u"ButtonHeight", u"pixels (Default is height of the applet)"),
    swatch(u"ButtonColor"),
    text(u"ButtonLink"),
    target(u"ButtonTarget"),
};
constexpr HelpSpec kButtonLinkHelp[] = {
    {u"Type the text of the button, its width and its height in pixels, and click the 'Button color' box to choose its color. The button must be smaller than the applet; left blank, it takes the whole applet area. The button text is black."},
    {u"'Link' is the page that opens when the visitor clicks the button: either a whole web address such as 'https://www.example.com/' or a page of your site such as 'home.html'. 'Target link' tells where it opens: '_self' in the same window, '_blank' in a new window, '_top' in the whole window, '_parent' in the parent frame, or the name of one of your frames.", u"ButtonLink"},
};

constexpr FieldSpec kCheckBoxLink[] = {
    {.control = C::RecordList, .list = ListFileId::CheckBoxLinkTexts},
    target(u"CheckBoxLinkTarget"),
};
constexpr HelpSpec kCheckBoxLinkHelp[] = {{u"Each text becomes a check box; the visitor ticks the boxes, and the pages of the ticked boxes open. Type a text and its link, one link per text, tick 'Initially checked' if the box starts ticked, and click 'Add'. For example the text 'Search' with the link 'https://www.example.com/search'. To remove a line, select it and click 'Remove'; 'Target' tells where the pages open."}};

constexpr FieldSpec kListLink[] = {
    {.control = C::RecordList, .list = ListFileId::ListLinkTexts},
    target(u"ListLinkTarget"),
};
constexpr HelpSpec kListLinkHelp[] = {{u"The texts are shown in a list, and the visitor opens a link by choosing its text. Type a text and its link, one link per text, and click 'Add'; a link is either a whole web address such as 'https://www.example.com/' or a page of your site such as 'news.html'. To remove a line, select it and click 'Remove'; 'Target' tells where the pages open."}};

constexpr FieldSpec kLoginBox[] = {
    number(u"FrameWidth", u"pixels (Default is 250)"),
    target(u"LoginBoxTarget"),
    number(u"FrameHeight", u"pixels (Default is 150)"),
    {.control = C::Edit, .key = u"FrameTitle", .hint = u"(default is \"Login...\")", .width = 110},
    {.control = C::Edit, .key = u"LoginText", .hint = u"(Default is \"Login\")", .width = 110},
    {.control = C::Edit, .key = u"PasswordText", .hint = u"(Default is \"Password\")", .width = 110},
    group(u"Texts and links"),
    {.control = C::RecordList, .list = ListFileId::LoginBoxLogins},
};
constexpr HelpSpec kLoginBoxHelp[] = {
    {u"The applet opens a frame where the visitor types a login and a password. 'Frame width' and 'Frame height' are its dimensions in pixels; 'Frame title', 'Login text' and 'Password text' are its labels. 'Target link' tells where the page of a right login opens: '_self' in the same window, '_blank' in a new window, '_top' in the whole window, '_parent' in the parent frame, or the name of one of your frames."},
    {u"Add the visitors one at a time: type a login, its password and the page it opens, then click 'Add'. For example the login 'anna', the password 'x7k2' and the page 'members.html', or a whole web address such as 'https://www.example.com/members.html'. The logins and passwords are written to the file 'pass.txt', which must be copied beside the applet. Anyone who knows its address can read that file: it protects nothing, so never use LoginBox for anything that must stay private.", u"Texts and links"},
};

constexpr FieldSpec kMenuFrame[] = {
    number(u"FrameWidth", u"(Default is 300)"),
    number(u"FrameHeight", u"(Default is 67)"),
    target(u"MenuFrameTarget"),
    number(u"FrameX", u"(Default is 350)"),
    number(u"FrameY", u"(Default is 300)"),
    kMenuGroup,
    {.control = C::MenuTree, .list = ListFileId::MenuFrameTree},
};
constexpr const char16_t* kMenuTreeHelp = u"Build the menu under 'Root': type a text and its link, select the entry under which it goes, and click 'Add'. An entry without a link opens a submenu; a text '-' adds a separator. A link is either a whole web address such as 'https://www.example.com/' or a page of your site such as 'home.html'. To remove an entry and all that stands under it, select it and click 'Remove'.";
constexpr HelpSpec kMenuFrameHelp[] = {
    {u"The menu opens in a frame of its own. 'Frame width' and 'Frame Height' are its dimensions in pixels, and 'Frame initial X' and 'Frame initial Y' its first position on the screen. 'Target' tells where the pages of the menu open: '_self' in the same window, '_blank' in a new window, '_top' in the whole window, '_parent' in the parent frame, or the name of one of your frames."},
    {kMenuTreeHelp, u"Menu hierarchy"},
};

constexpr FieldSpec kMenuPopUp[] = {
    radio(u"Radio4Index"),
    target(u"MenuPopupTarget"),
    radio(u"Radio5Index"),
    group(u"Text display"),
    swatch(u"Color"),
    {.control = C::Edit, .key = u"Text", .spoken = u"Display text"},
    number(u"TextHeight"),
    kMenuGroup,
    {.control = C::MenuTree, .list = ListFileId::MenuPopUpTree},
};
constexpr HelpSpec kMenuPopUpHelp[] = {
    {u"The menu pops up over the applet area. Choose when it opens, when the mouse pointer comes over the applet or when the visitor clicks, and where it appears: at the center, at random, or where the mouse enters. 'Target of the links' tells where the pages of the menu open."},
    {u"A text can be displayed centered on the applet area. Set the text, the text height and color.", u"Text display"},
    {kMenuTreeHelp, u"Menu hierarchy"},
};

constexpr FieldSpec kNavigation[] = {
    {.control = C::RecordList, .list = ListFileId::NavigationImages, .label = u"Images and links :"},
    radio(u"Radio3Index"),
    target(u"NavigationTarget"),
};
constexpr HelpSpec kNavigationHelp[] = {{u"Each button is an image that changes to its mouse over image when the pointer is over it, and opens its link when clicked. Type the link, click 'Browse' to choose the image and the mouse over image, then click 'Add'. A link is either a whole web address such as 'https://www.example.com/' or a page of your site such as 'home.html'. Choose whether the buttons stand in a row or in a column, and where the pages open."}};

constexpr FieldSpec kRandomLink[] = {
    group(u"Links"),
    {.control = C::LinkList, .list = ListFileId::RandomLinkLinks},
    target(u"RandomImageTarget"),
    group(u"Image"),
    path(u"Image", FileKind::Images),
};
constexpr HelpSpec kRandomLinkHelp[] = {
    {u"A click on the image opens one of the links, chosen at random. Type a link in 'Enter a link' and click 'Add', as many times as you want; a link is either a whole web address such as 'https://www.example.com/' or a page of your site such as 'home.html'. To remove a link, select it and click 'Remove'. 'Target' tells where the page opens.", u"Links"},
    {u"Click 'Browse' to browse and choose the needed image."},
};
// clang-format on

constexpr SpecificSectionEntry kEntries[] = {
    {u"ButtonLink", {nullptr, 217, kButtonLink, kButtonLinkHelp}},
    {u"CheckBoxLink", {nullptr, 274, kCheckBoxLink, kCheckBoxLinkHelp}},
    {u"ListLink", {nullptr, 279, kListLink, kListLinkHelp}},
    {u"LoginBox", {nullptr, 295, kLoginBox, kLoginBoxHelp}},
    {u"MenuFrame", {nullptr, 274, kMenuFrame, kMenuFrameHelp}},
    {u"MenuPopUp", {nullptr, 351, kMenuPopUp, kMenuPopUpHelp}},
    {u"Navigation", {nullptr, 295, kNavigation, kNavigationHelp}},
    {u"RandomLink", {nullptr, 288, kRandomLink, kRandomLinkHelp}},
};

} // namespace

std::span<const SpecificSectionEntry> linkSections()
{
    return kEntries;
}

} // namespace morvane::ui::page::tables
