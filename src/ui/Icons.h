#pragma once

#include <QIcon>
#include <QPixmap>

namespace morvane::ui {

// Our own pictures, drawn at run time so that no image file has to ship.

// The 12 x 12 "?" of the help icons.
QPixmap helpIconPixmap();

// The explorer's three icons: top-level (and selected) nodes, kind and help-page nodes,
// section nodes.
enum class ExplorerIcon { TopLevel, Item, Section };
QIcon explorerIcon(ExplorerIcon which);

// The HTML window's tool bar pictures.
enum class ToolIcon { SaveFiles, CopyHtml, SaveText, SavePreview };
QIcon toolIcon(ToolIcon which);

} // namespace morvane::ui
