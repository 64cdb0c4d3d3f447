#pragma once

#include "ui/help/HelpTabs.h"

#include <QString>

#include <optional>
#include <span>

namespace morvane::ui {

struct HelpPageInfo {
    HelpTab page;
    const char16_t* explorerNode; // the node under "Help" that shows it
};

// In the order of the explorer's "Help" node.
std::span<const HelpPageInfo> helpPages();
QString helpPageFile(const QString& appDir, HelpTab page);
std::optional<HelpTab> helpPageForNode(const QString& nodeText);

} // namespace morvane::ui
