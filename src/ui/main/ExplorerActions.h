#pragma once

#include "catalog/Catalog.h"
#include "ui/main/HelpPages.h"

#include <QString>

#include <optional>

namespace morvane::ui {

inline constexpr QLatin1String appletsNodeText{"Applets"};
inline constexpr QLatin1String helpNodeText{"Help"};
inline constexpr QLatin1String homePageNodeText{"Keldrin Software Home Page"};

// What a press on an explorer node does, decided from the node's text and its parent's.
struct ExplorerAction {
    enum class Type {
        Nothing,
        ShowAppletsList,
        ShowHelpPage,
        OpenKind,
        ScrollToSection, // opens `kind` first unless it is current
        OpenHomePage,
    };
    Type type = Type::Nothing;
    HelpTab helpPage = HelpTab::GettingStarted;
    QString kind;
    // Set for a common section; unset with ScrollToSection means the specific section.
    std::optional<catalog::CommonParameter> section;
};

// `parentText` is null for a top-level node.
ExplorerAction explorerAction(const QString& nodeText, const QString& parentText);

// The section nodes a kind shows, in explorer order: the supported common sections, then
// "Specific parameters".
QStringList sectionNodes(const catalog::Support& support);

} // namespace morvane::ui
