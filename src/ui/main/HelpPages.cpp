#include "ui/main/HelpPages.h"

#include <QDir>

#include <array>

namespace morvane::ui {

namespace {

// "Guetting Started" is spelled as users of earlier versions know it.
constexpr std::array<HelpPageInfo, 7> kPages{{
    {HelpPage::GettingStarted, u"Guetting Started", u"help/getting_started.rtf"},
    {HelpPage::Tutorial, u"Tutorial", u"help/tutorial.rtf"},
    {HelpPage::StepByStep, u"Parameters description", u"help/step.rtf"},
    {HelpPage::Faq, u"FAQ", u"help/faq.rtf"},
    {HelpPage::Support, u"Support", u"help/support.rtf"},
    {HelpPage::VersionsHistory, u"Versions History", u"help/versions_history.rtf"},
    {HelpPage::About, u"About", u"help/about.rtf"},
}};

} // namespace

std::span<const HelpPageInfo> helpPages()
{
    return kPages;
}

const HelpPageInfo& helpPageInfo(HelpPage page)
{
    for (const HelpPageInfo& info : kPages) {
        if (info.page == page) {
            return info;
        }
    }
    return kPages.front();
}

QString helpPageFile(const QString& appDir, HelpPage page)
{
    return QDir(appDir).filePath(QString::fromUtf16(helpPageInfo(page).file));
}

std::optional<HelpPage> helpPageForNode(const QString& nodeText)
{
    for (const HelpPageInfo& info : kPages) {
        if (nodeText == QString::fromUtf16(info.explorerNode)) {
            return info.page;
        }
    }
    return std::nullopt;
}

} // namespace morvane::ui
