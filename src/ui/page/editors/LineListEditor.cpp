#include "ui/page/editors/LineListEditor.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

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
    , m_model(context.binder.lists(), QString::fromUtf16(field.key),
              isLinkList(field) ? LineListModel::Rule::NonEmptyTexts
                                : LineListModel::Rule::DistinctPaths)
{
    const bool links = isLinkList(field);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    m_list =
        newListBox(captionOf(field, links ? QStringLiteral("Links") : QStringLiteral("Images")),
                   kListHeight, this);
    auto* addButton = newButton(links ? QStringLiteral("Add") : QStringLiteral("Add..."),
                                QStringLiteral("add"), this);
    auto* removeButton = newButton(QStringLiteral("Remove"), QStringLiteral("remove"), this);
    layout->addLayout(listWithButtons(m_list, addButton, removeButton));
    if (links) {
        m_entry = newEntry(QStringLiteral("Enter a link :"), QStringLiteral("linkEntry"), this);
        auto* row = new QHBoxLayout;
        row->addWidget(newLabelFor(QStringLiteral("Enter a link :"), m_entry, this));
        row->addWidget(m_entry, 1);
        layout->addLayout(row);
        const auto copyBack = [this](QListWidgetItem* item) { m_entry->setText(item->text()); };
        connect(m_list, &QListWidget::itemClicked, this, copyBack);
        connect(m_list, &QListWidget::itemActivated, this, copyBack);
    }
    connect(addButton, &QPushButton::clicked, this, &LineListEditor::add);
    connect(removeButton, &QPushButton::clicked, this, &LineListEditor::remove);
}

void LineListEditor::showContent()
{
    showRows(m_list, m_model.rows());
}

void LineListEditor::add()
{
    const QString value = m_entry ? m_entry->text() : browseForFile(m_page, this, FileKind::Images);
    if (m_model.add(value))
        appendRow(m_list, m_model.rows().constLast());
}

void LineListEditor::remove()
{
    const int row = selectedRow(m_list);
    if (m_model.remove(row))
        removeRow(m_list, row);
}

} // namespace morvane::ui::page
