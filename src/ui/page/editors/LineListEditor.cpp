#include "ui/page/editors/LineListEditor.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace morvane::ui::page {
namespace {

constexpr int kListHeight = 90;

bool isLinkList(const FieldSpec& field)
{
    return field.control == Control::LinkList;
}

} // namespace

LineListEditor* LineListEditor::create(const FieldSpec& field, const EditorContext& context)
{
    return mountEditor(new LineListEditor(field, context), context);
}

LineListEditor::LineListEditor(const FieldSpec& field, const EditorContext& context)
    : QWidget(context.parent)
    , m_page(context.page)
    , m_binder(context.binder)
    , m_model(context.binder.lists(), QString::fromUtf16(field.key),
              isLinkList(field) ? LineListModel::Rule::NonEmptyTexts
                                : LineListModel::Rule::DistinctPaths)
{
    const bool links = isLinkList(field);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    m_list = newListBox(captionOf(field, links ? u"Links"_s : u"Images"_s), kListHeight, this);
    auto* addButton = newButton(links ? u"Add"_s : u"Add..."_s, u"add"_s, this);
    auto* removeButton = newButton(u"Remove"_s, u"remove"_s, this);
    layout->addLayout(listWithButtons(m_list, addButton, removeButton));
    if (links) {
        m_entry = newEntry(u"Enter a link :"_s, u"linkEntry"_s, this);
        auto* row = new QHBoxLayout;
        row->addWidget(newLabelFor(u"Enter a link :"_s, m_entry, this));
        row->addWidget(m_entry, 1);
        layout->addLayout(row);
        // However a row becomes current (a click, the arrow keys), and again on a click on it.
        const auto copyBack = [this](QListWidgetItem* item) {
            if (item) {
                m_entry->setText(item->text());
            }
        };
        connect(m_list, &QListWidget::itemClicked, this, copyBack);
        connect(m_list, &QListWidget::currentItemChanged, this, copyBack);
    }
    if (links) {
        connect(addButton, &QPushButton::clicked, this, [this] { add(m_entry->text()); });
    } else {
        connect(
            addButton, &QPushButton::clicked, this,
            pickFiles(m_page, this, FileKind::Images, [this](const QString& path) { add(path); }));
    }
    connect(removeButton, &QPushButton::clicked, this, &LineListEditor::remove);
}

void LineListEditor::showContent()
{
    showRows(m_list, m_model.rows());
}

void LineListEditor::add(const QString& value)
{
    if (m_model.add(value)) {
        appendRow(m_list, m_model.rows().constLast());
        m_binder.notifyChanged();
    }
}

void LineListEditor::remove()
{
    const int row = selectedRow(m_list);
    if (m_model.remove(row)) {
        removeRow(m_list, row);
        m_binder.notifyChanged();
    }
}

} // namespace morvane::ui::page
