#include "ui/page/editors/RecordListEditor.h"

#include "ui/page/ColorSwatch.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace morvane::ui::page {
namespace {

constexpr int kListHeight = 72;

const QString kYes = u"yes"_s;
const QString kNo = u"no"_s;

// The entry fields are named after the list they fill, without its extension.
QString entryName(const RecordColumn& column)
{
    QString name = column.name();
    name.chop(4);
    return name;
}

// A label without the trailing " :" or ":" reads better to a screen reader.
QString spokenLabel(const RecordColumn& column)
{
    QString label = QString::fromUtf16(column.label);
    while (label.endsWith(u':') || label.endsWith(u' ')) {
        label.chop(1);
    }
    return label;
}

} // namespace

RecordListEditor* RecordListEditor::create(const FieldSpec& field, const EditorContext& context)
{
    const RecordKind* columns = findRecordKind(context.kind);
    if (!columns) {
        return nullptr;
    }
    return mountEditor(new RecordListEditor(*columns, field, context), context);
}

RecordListEditor::RecordListEditor(const RecordKind& columns, const FieldSpec& field,
                                   const EditorContext& context)
    : QWidget(context.parent)
    , m_page(context.page)
    , m_binder(context.binder)
    , m_model(context.binder.lists(), context.kind, columns)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    m_list = newListBox(captionOf(field, QString::fromUtf16(columns.caption)), kListHeight, this);
    auto* addButton = newButton(u"Add"_s, u"add"_s, this);
    auto* removeButton = newButton(u"Remove"_s, u"remove"_s, this);
    layout->addLayout(listWithButtons(m_list, addButton, removeButton));

    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    grid->setColumnStretch(1, 1);
    for (const RecordColumn& column : columns.columns) {
        addEntry(column, grid);
    }
    layout->addLayout(grid);

    connect(addButton, &QPushButton::clicked, this, &RecordListEditor::add);
    connect(removeButton, &QPushButton::clicked, this, &RecordListEditor::remove);
    // A row made current by the keyboard fills the fields as a click does; a click on the
    // current row fills them again after they were edited.
    if (columns.rowClickFillsEntries) {
        connect(m_list, &QListWidget::currentRowChanged, this, &RecordListEditor::copyBack);
        connect(m_list, &QListWidget::itemClicked, this,
                [this](QListWidgetItem* item) { copyBack(m_list->row(item)); });
    }
}

void RecordListEditor::addEntry(const RecordColumn& column, QGridLayout* grid)
{
    const int row = grid->rowCount();
    const QString label = QString::fromUtf16(column.label);
    QWidget* entry = nullptr;
    switch (column.entry) {
    case Entry::Edit:
    case Entry::PathEdit: {
        auto* edit = newEntry(spokenLabel(column), entryName(column), this);
        grid->addWidget(newLabelFor(label, edit, this), row, 0);
        grid->addWidget(edit, row, 1);
        if (column.entry == Entry::PathEdit) {
            auto* browse = newButton(u"Browse..."_s, entryName(column) + u"Browse"_s, this);
            browse->setAccessibleName(u"Browse "_s + spokenLabel(column));
            grid->addWidget(browse, row, 2);
            connect(browse, &QPushButton::clicked, this,
                    pickFiles(m_page, edit, column.files,
                              [edit](const QString& path) { edit->setText(path); }));
        }
        entry = edit;
        break;
    }
    case Entry::CheckBox: {
        auto* box = new QCheckBox(label, this);
        box->setObjectName(entryName(column));
        box->setAccessibleName(label);
        grid->addWidget(box, row, 0, 1, 3);
        entry = box;
        break;
    }
    case Entry::Swatch: {
        auto* swatch = new ColorSwatch(this);
        swatch->setObjectName(entryName(column));
        swatch->setLabel(spokenLabel(column));
        grid->addWidget(newLabelFor(label, swatch, this), row, 0);
        grid->addWidget(swatch, row, 1, Qt::AlignLeft);
        connect(swatch, &ColorSwatch::clicked, this, [this, swatch] {
            if (const auto color = chooseColor(m_page, this, swatch->color())) {
                swatch->pick(*color);
            }
        });
        entry = swatch;
        break;
    }
    }
    m_entries.append(entry);
}

QStringList RecordListEditor::entries() const
{
    QStringList values;
    for (QWidget* entry : m_entries) {
        if (auto* edit = qobject_cast<QLineEdit*>(entry)) {
            values.append(edit->text());
        } else if (auto* box = qobject_cast<QCheckBox*>(entry)) {
            values.append(box->isChecked() ? kYes : kNo);
        } else if (auto* swatch = qobject_cast<ColorSwatch*>(entry)) {
            values.append(QString::number(swatch->color()));
        }
    }
    return values;
}

void RecordListEditor::showEntries(const QStringList& values)
{
    for (int column = 0; column < m_entries.size(); ++column) {
        QWidget* entry = m_entries[column];
        const QString value = values.value(column);
        if (auto* edit = qobject_cast<QLineEdit*>(entry)) {
            showFromStart(edit, value);
        } else if (auto* box = qobject_cast<QCheckBox*>(entry)) {
            box->setChecked(value == kYes);
        } else if (auto* swatch = qobject_cast<ColorSwatch*>(entry)) {
            swatch->setColor(value.toUInt());
        }
    }
}

void RecordListEditor::showContent()
{
    showRows(m_list, m_model.displayLines());
}

void RecordListEditor::add()
{
    if (const Result added = m_model.add(entries()); !added) {
        showError(m_page, this, added.message);
        return;
    }
    appendRow(m_list, m_model.displayLine(m_model.rowCount() - 1));
    m_binder.notifyChanged();
}

void RecordListEditor::remove()
{
    const int row = selectedRow(m_list);
    if (m_model.remove(row)) {
        removeRow(m_list, row);
        m_binder.notifyChanged();
    }
}

void RecordListEditor::copyBack(int row)
{
    const QStringList values = m_model.row(row);
    if (!values.isEmpty()) {
        showEntries(values);
    }
}

} // namespace morvane::ui::page
