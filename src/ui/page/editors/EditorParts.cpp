#include "ui/page/editors/EditorParts.h"

#include "catalog/KeyTable.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <limits>

using namespace Qt::StringLiterals;

namespace morvane::ui::page {

QString captionOf(const FieldSpec& field, const QString& fallback)
{
    const QString label = field.label ? QString::fromUtf16(field.label) : QString();
    return label.isEmpty() ? fallback : label;
}

QPushButton* newButton(const QString& text, const QString& name, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAccessibleName(text);
    button->setAutoDefault(false);
    return button;
}

QLineEdit* newEntry(const QString& accessibleName, const QString& name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setAccessibleName(accessibleName);
    // A one-line edit cuts longer texts silently; a row copied back must come back whole.
    edit->setMaxLength(std::numeric_limits<int>::max());
    return edit;
}

QLabel* newLabelFor(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

QListWidget* newListBox(const QString& accessibleName, int height, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(u"list"_s);
    list->setAccessibleName(accessibleName);
    list->setFixedHeight(height);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    return list;
}

QBoxLayout* listWithButtons(QListWidget* list, QPushButton* add, QPushButton* remove)
{
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch();
    auto* row = new QHBoxLayout;
    row->addWidget(list, 1);
    row->addLayout(buttons);
    return row;
}

void showRows(QListWidget* list, const QStringList& rows)
{
    list->clear();
    list->addItems(rows);
    list->setCurrentRow(-1);
}

void appendRow(QListWidget* list, const QString& row)
{
    list->addItem(row);
    list->setCurrentRow(-1);
}

// Nothing current first: a removed current row would make its neighbour current, and fill the
// entry fields from it.
void removeRow(QListWidget* list, int row)
{
    list->setCurrentRow(-1);
    delete list->takeItem(row);
}

int selectedRow(const QListWidget* list)
{
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.front());
}

void showError(const PageContext& page, QWidget* widget, const QString& message)
{
    page.services.messages.showError(widget->window(), message);
}

void fitEditor(QWidget* editor, int width)
{
    editor->resize(width, editor->sizeHint().height());
}

} // namespace morvane::ui::page
