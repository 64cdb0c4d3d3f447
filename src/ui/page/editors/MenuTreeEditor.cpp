#include "ui/page/editors/MenuTreeEditor.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>

#include <algorithm>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace morvane::ui::page {
namespace {

constexpr int kTreeHeight = 112;
constexpr int kTreeShare = 55; // percent of the editor's width

// Which trees let the user retype a node's text in place.
struct TreeKind {
    const char16_t* fileName;
    bool inPlaceEditing;
};
constexpr TreeKind kTreeKinds[] = {{u"TreeView1.txt", false}, {u"TreeView2.txt", true}};

bool editsInPlace(const QString& fileName)
{
    return std::any_of(std::begin(kTreeKinds), std::end(kTreeKinds), [&](const TreeKind& kind) {
        return kind.inPlaceEditing && fileName == QStringView(kind.fileName);
    });
}

// Without recursion, like every other walk of a tree: a tree file may nest a thousand levels.
void addItems(const settings::TreeNode& node, QTreeWidgetItem* item, bool editable)
{
    std::vector<std::pair<const settings::TreeNode*, QTreeWidgetItem*>> pending{{&node, item}};
    while (!pending.empty()) {
        const auto [parentNode, parentItem] = pending.back();
        pending.pop_back();
        for (const settings::TreeNode& child : parentNode->children) {
            auto* childItem = new QTreeWidgetItem(parentItem, {child.text});
            if (editable) {
                childItem->setFlags(childItem->flags() | Qt::ItemIsEditable);
            }
            pending.emplace_back(&child, childItem);
        }
    }
}

} // namespace

MenuTreeEditor* MenuTreeEditor::create(const FieldSpec& field, const EditorContext& context)
{
    return mountEditor(new MenuTreeEditor(field, context), context);
}

MenuTreeEditor::MenuTreeEditor(const FieldSpec& field, const EditorContext& context)
    : QWidget(context.parent)
    , m_page(context.page)
    , m_binder(context.binder)
    , m_model(context.binder.lists(), QString::fromUtf16(field.key))
    , m_inPlaceEditing(editsInPlace(QString::fromUtf16(field.key)))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(u"tree"_s);
    m_tree->setAccessibleName(captionOf(field, u"Menu hierarchy"_s));
    m_tree->setHeaderHidden(true);
    m_tree->setColumnCount(1);
    // Its share of the row in a wider section too, never less than in the usual one.
    m_tree->setMinimumWidth(context.width * kTreeShare / 100);
    m_tree->setFixedHeight(kTreeHeight);
    m_tree->setEditTriggers(m_inPlaceEditing ? QAbstractItemView::SelectedClicked |
                                                   QAbstractItemView::EditKeyPressed
                                             : QAbstractItemView::NoEditTriggers);

    m_link = newEntry(u"Menu link"_s, u"menuLink"_s, this);
    m_text = newEntry(u"Menu text"_s, u"menuText"_s, this);
    auto* hint = new QLabel(u"Put a '-' to add a separator"_s, this);
    hint->setObjectName(u"separatorHint"_s);
    hint->setWordWrap(true);
    auto* addButton = newButton(u"Add"_s, u"add"_s, this);
    auto* removeButton = newButton(u"Remove"_s, u"remove"_s, this);

    auto* fields = new QGridLayout;
    fields->setVerticalSpacing(2);
    fields->addWidget(newLabelFor(u"Link :"_s, m_link, this), 0, 0);
    fields->addWidget(m_link, 0, 1);
    fields->addWidget(newLabelFor(u"Text :"_s, m_text, this), 1, 0);
    fields->addWidget(m_text, 1, 1);
    fields->addWidget(hint, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(addButton);
    buttons->addWidget(removeButton);
    buttons->addStretch();
    auto* side = new QVBoxLayout;
    side->addLayout(fields);
    side->addLayout(buttons);
    side->addStretch();
    auto* row = new QHBoxLayout;
    row->addWidget(m_tree, kTreeShare);
    row->addLayout(side, 100 - kTreeShare);
    layout->addLayout(row);

    connect(addButton, &QPushButton::clicked, this, &MenuTreeEditor::add);
    connect(removeButton, &QPushButton::clicked, this, &MenuTreeEditor::remove);
    connect(m_tree, &QTreeWidget::itemPressed, this, &MenuTreeEditor::fillFields);
    connect(m_tree, &QTreeWidget::itemActivated, this, &MenuTreeEditor::fillFields);
    connect(m_tree, &QTreeWidget::itemChanged, this, &MenuTreeEditor::renamed);
}

void MenuTreeEditor::showContent()
{
    const QSignalBlocker blocker(m_tree);
    m_tree->clear();
    for (const settings::TreeNode& node : m_model.tree().topLevel) {
        auto* item = new QTreeWidgetItem(m_tree, {node.text});
        addItems(node, item, m_inPlaceEditing);
    }
    m_tree->expandAll();
}

NodePath MenuTreeEditor::pathOf(QTreeWidgetItem* item) const
{
    NodePath path;
    for (; item; item = item->parent()) {
        QTreeWidgetItem* parent = item->parent();
        path.prepend(parent ? parent->indexOfChild(item) : m_tree->indexOfTopLevelItem(item));
    }
    return path;
}

QTreeWidgetItem* MenuTreeEditor::itemAt(const NodePath& path) const
{
    QTreeWidgetItem* item = nullptr;
    for (int index : path) {
        item = item ? item->child(index) : m_tree->topLevelItem(index);
        if (!item) {
            return nullptr;
        }
    }
    return item;
}

NodePath MenuTreeEditor::selectedPath() const
{
    const QList<QTreeWidgetItem*> selected = m_tree->selectedItems();
    return selected.isEmpty() ? NodePath() : pathOf(selected.front());
}

void MenuTreeEditor::add()
{
    const Outcome<NodePath> added = m_model.add(selectedPath(), m_text->text(), m_link->text());
    if (!added) {
        showError(m_page, this, added.message());
        return;
    }
    showContent();
    m_binder.notifyChanged();
    // The new item's parent stays selected, so further items join it.
    if (QTreeWidgetItem* parent = itemAt(added->first(added->size() - 1))) {
        m_tree->setCurrentItem(parent);
    }
    m_tree->setFocus();
}

void MenuTreeEditor::remove()
{
    if (m_model.remove(selectedPath())) {
        showContent();
        m_binder.notifyChanged();
    }
}

void MenuTreeEditor::fillFields(QTreeWidgetItem* item)
{
    if (const std::optional<MenuEntry> entry = m_model.entryOf(pathOf(item))) {
        m_text->setText(entry->text);
        m_link->setText(entry->link);
    }
}

void MenuTreeEditor::renamed(QTreeWidgetItem* item)
{
    const NodePath path = pathOf(item);
    if (m_model.rename(path, item->text(0))) {
        m_binder.notifyChanged();
    }
    // A refused or cleaned text shows what the tree holds.
    if (const settings::TreeNode* node = m_model.node(path); node && node->text != item->text(0)) {
        const QSignalBlocker blocker(m_tree);
        item->setText(0, node->text);
    }
}

} // namespace morvane::ui::page
