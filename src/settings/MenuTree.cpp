#include "settings/MenuTree.h"

#include <utility>

using namespace Qt::StringLiterals;

namespace morvane::settings {

TreeNode::TreeNode(QString nodeText, std::vector<TreeNode> nodeChildren)
    : text(std::move(nodeText))
    , children(std::move(nodeChildren))
{}

TreeNode::TreeNode(const TreeNode& other)
    : text(other.text)
{
    // Each copied node's children are filled in full before any of them is visited, so the
    // vector never grows again and the pointers into it stay valid.
    std::vector<std::pair<const TreeNode*, TreeNode*>> pending{{&other, this}};
    while (!pending.empty()) {
        const auto [from, to] = pending.back();
        pending.pop_back();
        to->children.reserve(from->children.size());
        for (const TreeNode& child : from->children) {
            to->children.push_back(TreeNode(child.text, {}));
        }
        for (size_t i = 0; i < from->children.size(); ++i) {
            pending.emplace_back(&from->children[i], &to->children[i]);
        }
    }
}

TreeNode& TreeNode::operator=(const TreeNode& other)
{
    if (this != &other) {
        *this = TreeNode(other);
    }
    return *this;
}

TreeNode& TreeNode::operator=(TreeNode&& other) noexcept
{
    if (this != &other) {
        TreeNode old(std::move(*this)); // the replaced subtree goes through the destructor
        text = std::move(other.text);
        children = std::move(other.children);
    }
    return *this;
}

TreeNode::~TreeNode()
{
    // Detaches every descendant into one flat list: each node is destroyed with no children
    // left, so destruction never nests more than one level.
    std::vector<TreeNode> pending = std::move(children);
    while (!pending.empty()) {
        TreeNode last = std::move(pending.back());
        pending.pop_back();
        for (TreeNode& child : last.children) {
            pending.push_back(std::move(child));
        }
        last.children.clear();
    }
}

bool operator==(const TreeNode& a, const TreeNode& b)
{
    std::vector<std::pair<const TreeNode*, const TreeNode*>> pending{{&a, &b}};
    while (!pending.empty()) {
        const auto [left, right] = pending.back();
        pending.pop_back();
        if (left->text != right->text || left->children.size() != right->children.size()) {
            return false;
        }
        for (size_t i = 0; i < left->children.size(); ++i) {
            pending.emplace_back(&left->children[i], &right->children[i]);
        }
    }
    return true;
}

MenuTree MenuTree::withRoot()
{
    return MenuTree{{TreeNode{u"Root"_s, {}}}};
}

ParsedTree parseTree(const QStringList& lines)
{
    ParsedTree parsed;
    MenuTree& tree = parsed.tree;
    // The path from the top level to the node added last.
    std::vector<std::vector<TreeNode>*> levels;
    for (const QString& line : lines) {
        if (line.isEmpty()) {
            continue;
        }
        qsizetype indent = 0;
        while (indent < line.size() && (line.at(indent) == u'\t' || line.at(indent) == u' ')) {
            ++indent;
        }
        const QString text = line.mid(indent);

        qsizetype level = levels.empty() ? 0 : std::min<qsizetype>(indent, levels.size());
        if (level > kMaxTreeDepth) {
            level = kMaxTreeDepth;
            parsed.flattened = true;
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
    return parsed;
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
        lines.append(blankRoot ? u" "_s : QString(depth, u'\t') + node.text);
        if (!node.children.empty()) {
            levels.push_back({&node.children}); // invalidates `level`
        }
    }
    return lines;
}

} // namespace morvane::settings
