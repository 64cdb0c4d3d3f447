#include "settings/MenuTree.h"

namespace morvane::settings {

MenuTree MenuTree::withRoot()
{
    return MenuTree{{TreeNode{QStringLiteral("Root"), {}}}};
}

MenuTree parseTree(const QStringList& lines)
{
    return parseTree(lines, nullptr);
}

MenuTree parseTree(const QStringList& lines, bool* flattened)
{
    MenuTree tree;
    if (flattened)
        *flattened = false;
    // The path from the top level to the node added last.
    std::vector<std::vector<TreeNode>*> levels;
    for (const QString& line : lines) {
        if (line.isEmpty())
            continue;
        qsizetype indent = 0;
        while (indent < line.size() && (line.at(indent) == u'\t' || line.at(indent) == u' '))
            ++indent;
        const QString text = line.mid(indent);

        qsizetype level = levels.empty() ? 0 : std::min<qsizetype>(indent, levels.size());
        if (level > kMaxTreeDepth) {
            level = kMaxTreeDepth;
            if (flattened)
                *flattened = true;
        }
        std::vector<TreeNode>* siblings = nullptr;
        if (level == 0) {
            siblings = &tree.topLevel;
        } else {
            std::vector<TreeNode>& parentSiblings = *levels[static_cast<size_t>(level - 1)];
            siblings = &parentSiblings.back().children;
        }
        siblings->push_back(TreeNode{text, {}});
        levels.resize(static_cast<size_t>(level));
        levels.push_back(siblings);
    }
    return tree;
}

QStringList treeLines(const MenuTree& tree)
{
    QStringList lines;
    // Depth first without recursion, as deep as the tree goes.
    struct Level {
        const std::vector<TreeNode>* nodes;
        size_t next = 0;
    };
    std::vector<Level> levels{{&tree.topLevel}};
    while (!levels.empty()) {
        Level& level = levels.back();
        if (level.next == level.nodes->size()) {
            levels.pop_back();
            continue;
        }
        const TreeNode& node = (*level.nodes)[level.next++];
        const auto depth = static_cast<qsizetype>(levels.size() - 1);
        // An empty line would be skipped on reading: the first node keeps its place as the
        // root with a blank, the only indentation the first line may have.
        const bool blankRoot = lines.isEmpty() && node.text.isEmpty();
        lines.append(blankRoot ? QStringLiteral(" ") : QString(depth, u'\t') + node.text);
        if (!node.children.empty())
            levels.push_back({&node.children}); // invalidates `level`
    }
    return lines;
}

} // namespace morvane::settings
