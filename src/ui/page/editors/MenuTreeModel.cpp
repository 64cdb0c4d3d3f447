#include "ui/page/editors/MenuTreeModel.h"

#include "ui/page/FieldBinder.h"

using namespace Qt::StringLiterals;

namespace morvane::ui::page {
namespace {

const QString kRootText = u"Root"_s;

// Leading TABs and blanks count as levels when the tree file is read back, and an empty line
// is no node at all: a node text never starts with them.
QString storableText(const QString& text)
{
    const QString clean = withLineBreaksAsBlanks(text);
    qsizetype start = 0;
    while (start < clean.size() && (clean.at(start) == u' ' || clean.at(start) == u'\t')) {
        ++start;
    }
    return clean.mid(start);
}

template <typename Node, typename Nodes> Node* find(Nodes& topLevel, const NodePath& path)
{
    Node* current = nullptr;
    auto* siblings = &topLevel;
    for (int index : path) {
        if (index < 0 || size_t(index) >= siblings->size()) {
            return nullptr;
        }
        current = &(*siblings)[size_t(index)];
        siblings = &current->children;
    }
    return current;
}

} // namespace

MenuTreeModel::MenuTreeModel(settings::WorkingCopy& copy, catalog::ListFileId file)
    : m_copy(copy)
    , m_file(file)
{}

const settings::TreeNode* MenuTreeModel::node(const NodePath& path) const
{
    return find<const settings::TreeNode>(tree().topLevel, path);
}

settings::TreeNode* MenuTreeModel::mutableNode(const NodePath& path)
{
    return find<settings::TreeNode>(m_copy.tree(m_file).topLevel, path);
}

QString MenuTreeModel::nodeText(const QString& text, const QString& link)
{
    return link.isEmpty() ? text : text + u" # "_s + link;
}

MenuEntry MenuTreeModel::splitNodeText(const QString& nodeText)
{
    const qsizetype hash = nodeText.indexOf(u'#');
    if (hash < 0) {
        return {nodeText, QString()};
    }
    QString text = nodeText.left(hash);
    text.chop(1);
    return {text, nodeText.mid(hash + 2)};
}

Outcome<NodePath> MenuTreeModel::add(const NodePath& parent, const QString& text,
                                     const QString& link)
{
    const QString itemText = storableText(text);
    if (itemText.isEmpty()) {
        return Result::failure(u"You must specify a text"_s);
    }
    std::vector<settings::TreeNode>& topLevel = m_copy.tree(m_file).topLevel;
    if (topLevel.empty()) {
        topLevel.push_back({kRootText, {}});
    }
    NodePath path = node(parent) ? parent : NodePath{0};
    settings::TreeNode* under = mutableNode(path);
    under->children.push_back({nodeText(itemText, withLineBreaksAsBlanks(link)), {}});
    path.append(int(under->children.size()) - 1);
    return path;
}

bool MenuTreeModel::remove(const NodePath& path)
{
    if (path.isEmpty() || isRoot(path) || !node(path)) {
        return false;
    }
    auto& siblings = path.size() == 1 ? m_copy.tree(m_file).topLevel
                                      : mutableNode(path.first(path.size() - 1))->children;
    siblings.erase(siblings.begin() + path.last());
    return true;
}

bool MenuTreeModel::rename(const NodePath& path, const QString& text)
{
    settings::TreeNode* target = mutableNode(path);
    const QString clean = storableText(text);
    if (!target || clean.isEmpty()) {
        return false;
    }
    target->text = clean;
    return true;
}

std::optional<MenuEntry> MenuTreeModel::entryOf(const NodePath& path) const
{
    const settings::TreeNode* selected = node(path);
    if (!selected || isRoot(path) || selected->text == kRootText) {
        return std::nullopt;
    }
    return splitNodeText(selected->text);
}

} // namespace morvane::ui::page
