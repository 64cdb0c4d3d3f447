#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace morvane::settings {

struct TreeNode {
    QString text;
    std::vector<TreeNode> children;

    friend bool operator==(const TreeNode&, const TreeNode&) = default;
};

// A menu tree as its list file holds it: top-level nodes, each with its children. The menus use
// the first top-level node as their root.
struct MenuTree {
    std::vector<TreeNode> topLevel;

    static MenuTree withRoot(); // the single node "Root" that a new tree shows
    const TreeNode* root() const { return topLevel.empty() ? nullptr : &topLevel.front(); }
    friend bool operator==(const MenuTree&, const MenuTree&) = default;
};

// Far deeper than any menu; nodes are copied and destroyed recursively, so deeper lines are
// kept at this depth rather than risk the stack.
inline constexpr qsizetype kMaxTreeDepth = 1000;

// One node per line, depth-first, the depth written as leading TABs. Reading counts leading TABs
// and blanks as levels; the first line is top level whatever its indentation, and a line more
// than one level deeper than the line before it is placed one level deeper. A line deeper than
// kMaxTreeDepth is placed at that depth and sets `*flattened`.
MenuTree parseTree(const QStringList& lines);
MenuTree parseTree(const QStringList& lines, bool* flattened);
QStringList treeLines(const MenuTree& tree);

} // namespace morvane::settings
