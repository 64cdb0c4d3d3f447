#include "ui/main/HelpPages.h"

#include <array>

namespace morvane::ui {
namespace {

// "Guetting Started" is spelled as users of earlier versions know it.
constexpr std::array<HelpPageInfo, 7> kPages{{
    {HelpTab::GettingStarted, u"Guetting Started"},
    {HelpTab::Tutorial, u"Tutorial"},
    {HelpTab::StepByStep, u"Parameters description"},
    {HelpTab::Faq, u"FAQ"},
    {HelpTab::Support, u"Support"},
    {HelpTab::VersionsHistory, u"Versions History"},
    {HelpTab::About, u"About"},
}};

} // namespace

std::span<const HelpPageInfo> helpPages()
{
    return kPages;
}

QString helpPageFile(const QString& appDir, HelpTab page)
{
    return helpTabFile(appDir, page);
}

std::optional<HelpTab> helpPageForNode(const QString& nodeText)
{
    for (const HelpPageInfo& info : kPages) {
        if (nodeText == QStringView(info.explorerNode)) {
            return info.page;
        }
    }
    return std::nullopt;
}

} // namespace morvane::ui
