#include "ui/page/KindSections.h"

#include <algorithm>

namespace morvane::ui::page {
namespace {

using C = Control;

// Labels left out are the key table's labels.
// clang-format off
constexpr FieldSpec kIPViewer[] = {
    {.control = C::Edit, .key = u"Label", .hint = u"(Default is \"Your IP is:\")", .width = 150},
};
constexpr HelpSpec kIPViewerHelp[] = {{u"You can custom the text in this applet."}};

constexpr FieldSpec kStars[] = {
    {.control = C::Edit, .key = u"Pause", .hint = u"milliseconds (Default is 50)", .width = 50},
    {.control = C::Edit, .key = u"StarsNumber", .hint = u"(Default is 100)", .width = 50},
    {.control = C::Edit, .key = u"StarsMeanStep", .hint = u"pixels (Default is applet width/10)", .width = 50},
    {.control = C::ColorSwatch, .key = u"Color"},
};
constexpr HelpSpec kStarsHelp[] = {{u"'Animation pause' is the delay between two animation frames. 'Stars number' is the number of stars shown at the same time and 'Stars mean step' the mean distance, in pixels, that a star moves from one frame to the next. Click the 'Stars color' box to choose the color of the stars."}};

constexpr FieldSpec kStatusBarScroller[] = {
    {.control = C::Edit, .key = u"Text", .width = 220},
    {.control = C::Edit, .key = u"Pause", .hint = u"(milliseconds)  (default is 50)", .width = 50},
};
constexpr HelpSpec kStatusBarScrollerHelp[] = {{u"'Text to scroll in the status bar' is the text which will be scrolled in the browser status bar. 'Scrolling animation pause' is the delay between two scrolling frames. "}};

constexpr FieldSpec kTicTacToe[] = {
    {.control = C::RadioGroup, .key = u"Radio1Index", .width = 220},
    {.control = C::RadioGroup, .key = u"Radio2Index", .placement = Placement::SameRow},
    {.control = C::ColorSwatch, .key = u"Color"},
    {.control = C::PathEdit, .key = u"PlayerImage", .files = FileKind::Images},
    {.control = C::PathEdit, .key = u"ComputerImage", .files = FileKind::Images},
    {.control = C::PathEdit, .key = u"PlayerSound", .files = FileKind::Sounds},
    {.control = C::PathEdit, .key = u"ComputerSound", .files = FileKind::Sounds},
    {.control = C::PathEdit, .key = u"DrawSound", .files = FileKind::Sounds},
    {.control = C::PathEdit, .key = u"ClickSound", .files = FileKind::Sounds},
};
constexpr HelpSpec kTicTacToeHelp[] = {{u"'First player' tells who plays first: the visitor ('Player'), the applet ('Computer'), or 'Ask' to let the visitor choose when the game starts. 'Game difficulty' sets how well the applet plays. Choose the images drawn for the two players and, if you want, the sounds played when the player or the computer plays, when the game is a draw and when the visitor clicks."}};

constexpr SpecificSectionEntry kEntries[] = {
    {u"IPViewer", {u"ZPanelIPViewer", 37, kIPViewer, kIPViewerHelp}},
    {u"Stars", {u"ZPanelStars", 129, kStars, kStarsHelp}},
    {u"StatusBarScroller", {u"ZPanelStatusBarScroller", 75, kStatusBarScroller, kStatusBarScrollerHelp}},
    {u"TicTacToe", {u"ZPanelTicTacToe", 288, kTicTacToe, kTicTacToeHelp}},
};
// clang-format on

} // namespace

const SectionLayout* SpecificSectionRegistry::find(const QString& kind)
{
    const auto it = std::find_if(std::begin(kEntries), std::end(kEntries), [&](const auto& entry) {
        return kind == QStringView(entry.kind);
    });
    return it == std::end(kEntries) ? nullptr : &it->section;
}

std::span<const SpecificSectionEntry> SpecificSectionRegistry::entries()
{
    return kEntries;
}

QString specificSectionName(const QString& kind)
{
    return QStringLiteral("ZPanel") + kind;
}

} // namespace morvane::ui::page
