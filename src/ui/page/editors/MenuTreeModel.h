#pragma once

#include "base/Outcome.h"
#include "settings/MenuTree.h"
#include "settings/WorkingCopy.h"

#include <QList>
#include <QString>

#include <optional>

namespace morvane::ui::page {

// A node's place: its index among the top-level nodes, then among its parent's children.
using NodePath = QList<int>;

struct MenuEntry {
    QString text;
    QString link;
};

// The menu tree of one kind in the working copy, looked up on every call since a load replaces
// it. The first top-level node is the root ("Root"); items are "text" or "text # link".
class MenuTreeModel {
public:
    MenuTreeModel(settings::WorkingCopy& copy, catalog::ListFileId file);

    const settings::MenuTree& tree() const { return m_copy.tree(m_file); }
    const settings::TreeNode* node(const NodePath& path) const;
    static bool isRoot(const NodePath& path) { return path == NodePath{0}; }

    // Adds an item as the last child of `parent`, or of the root when no node is given; gives
    // the new item's path. An empty text is refused with a message.
    Outcome<NodePath> add(const NodePath& parent, const QString& text, const QString& link);
    // Removes the node and its descendants; never the root.
    bool remove(const NodePath& path);
    // An in-place edit; a text that would not read back as the same node is refused.
    bool rename(const NodePath& path, const QString& text);
    // The fields a click on the node fills; nothing for the root.
    std::optional<MenuEntry> entryOf(const NodePath& path) const;

    static QString nodeText(const QString& text, const QString& link);
    static MenuEntry splitNodeText(const QString& nodeText);

private:
    settings::TreeNode* mutableNode(const NodePath& path);

    settings::WorkingCopy& m_copy;
    catalog::ListFileId m_file;
};

} // namespace morvane::ui::page
