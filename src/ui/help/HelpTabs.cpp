#include "ui/help/HelpTabs.h"

#include <QDir>

#include <array>

namespace morvane::ui {
namespace {

constexpr std::array<HelpTabInfo, 7> kHelpTabs = {{
    {HelpTab::GettingStarted, u"Getting started", u"help/getting_started.rtf"},
    {HelpTab::StepByStep, u"Step by step", u"help/step.rtf"},
    {HelpTab::VersionsHistory, u"Versions history", u"help/versions_history.rtf"},
    {HelpTab::Support, u"Support and bugs report", u"help/support.rtf"},
    {HelpTab::Faq, u"FAQ", u"help/faq.rtf"},
    {HelpTab::Tutorial, u"Tutorial", u"help/tutorial.rtf"},
    {HelpTab::About, u"About", u"help/about.rtf"},
}};

} // namespace

std::span<const HelpTabInfo> helpTabs()
{
    return kHelpTabs;
}

int helpTabIndex(HelpTab tab)
{
    for (size_t i = 0; i < kHelpTabs.size(); ++i) {
        if (kHelpTabs[i].tab == tab) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

QString helpTabFile(const QString& appDir, HelpTab tab)
{
    return QDir(appDir).filePath(QString::fromUtf16(kHelpTabs[helpTabIndex(tab)].file));
}

} // namespace morvane::ui
