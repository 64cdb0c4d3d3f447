#include "settings/MenuTree.h"

namespace morvane::settings {
namespace {

void appendLines(const TreeNode& node, int depth, QStringList& lines)
{
    lines.append(QString(depth, u'\t') + node.text);
    for (const TreeNode& child : node.children)
        appendLines(child, depth + 1, lines);
}

} // namespace

MenuTree MenuTree::withRoot()
{
    return MenuTree{{TreeNode{QStringLiteral("Root"), {}}}};
}

MenuTree parseTree(const QStringList& lines)
{
    MenuTree tree;
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
    for (const TreeNode& node : tree.topLevel)
        appendLines(node, 0, lines);
    return lines;
}

} // namespace morvane::settings
