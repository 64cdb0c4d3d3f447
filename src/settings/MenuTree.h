#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace morvane::settings {

// Copying, comparing and destroying a node walk its subtree with a stack of their own rather than
// by recursion, so a tree as deep as kMaxTreeDepth costs heap, not call stack.
struct TreeNode {
    QString text;
    std::vector<TreeNode> children;

    TreeNode() = default;
    TreeNode(QString nodeText, std::vector<TreeNode> nodeChildren);
    TreeNode(const TreeNode& other);
    TreeNode(TreeNode&& other) noexcept = default;
    TreeNode& operator=(const TreeNode& other);
    TreeNode& operator=(TreeNode&& other) noexcept;
    ~TreeNode();

    friend bool operator==(const TreeNode& a, const TreeNode& b);
};

// A menu tree as its list file holds it: top-level nodes, each with its children. The menus use
// the first top-level node as their root.
struct MenuTree {
    std::vector<TreeNode> topLevel;

    static MenuTree withRoot(); // the single node "Root" that a new tree shows
    const TreeNode* root() const { return topLevel.empty() ? nullptr : &topLevel.front(); }
    friend bool operator==(const MenuTree&, const MenuTree&) = default;
};

// Far deeper than any menu. Our copies, comparisons, walks and destruction of a tree keep their
// own stack, so this depth holds on any thread's stack; the limit stays for what nests on its
// own further on: the editor's tree widget and the index paths the generator writes.
inline constexpr qsizetype kMaxTreeDepth = 1000;

struct ParsedTree {
    MenuTree tree;
    bool flattened = false; // a line deeper than kMaxTreeDepth was placed at that depth
};

// One node per line, depth-first, the depth written as leading TABs. Reading counts leading TABs
// and blanks as levels; the first line is top level whatever its indentation, and a line more
// than one level deeper than the line before it is placed one level deeper. A line deeper than
// kMaxTreeDepth is placed at that depth, and `flattened` says so.
ParsedTree parseTree(const QStringList& lines);
QStringList treeLines(const MenuTree& tree);

} // namespace morvane::settings
