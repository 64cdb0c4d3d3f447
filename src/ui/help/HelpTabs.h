#pragma once

#include <QString>

#include <span>

namespace morvane::ui {

enum class HelpTab { GettingStarted, StepByStep, VersionsHistory, Support, Faq, Tutorial, About };

struct HelpTabInfo {
    HelpTab tab;
    const char16_t* caption;
    const char16_t* file; // below the application directory
};

// In the order of the help viewer's tab strip.
std::span<const HelpTabInfo> helpTabs();
int helpTabIndex(HelpTab tab);
QString helpTabFile(const QString& appDir, HelpTab tab);

} // namespace morvane::ui
