#pragma once

#include <QString>

#include <optional>
#include <span>

namespace morvane::ui {

enum class HelpPage { GettingStarted, StepByStep, VersionsHistory, Support, Faq, Tutorial, About };

struct HelpPageInfo {
    HelpPage page;
    const char16_t* explorerNode; // the node under "Help" that shows it
    const char16_t* file;         // below the application directory
};

// In the order of the explorer's "Help" node.
std::span<const HelpPageInfo> helpPages();
const HelpPageInfo& helpPageInfo(HelpPage page);
QString helpPageFile(const QString& appDir, HelpPage page);
std::optional<HelpPage> helpPageForNode(const QString& nodeText);

} // namespace morvane::ui
