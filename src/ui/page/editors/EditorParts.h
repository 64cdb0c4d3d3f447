#pragma once

#include "ui/page/FieldBinder.h"
#include "ui/page/PageContext.h"
#include "ui/page/SectionLayout.h"

#include <QString>
#include <QStringList>

class QBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace morvane::ui::page {

// What every list editor is built from: the kind whose lists it edits, the page's context,
// the binder that holds the lists and shows them again at every load, and the room the section
// gives it.
struct EditorContext {
    QString kind;
    const PageContext& page;
    FieldBinder& binder;
    QWidget* parent;
    int width;
};

// The caption the section table gives the editor (the section shows it above the editor), or
// `fallback` when it gives none: the accessible name of the editor's list or tree.
QString captionOf(const FieldSpec& field, const QString& fallback);

QPushButton* newButton(const QString& text, const QString& name, QWidget* parent);
QLineEdit* newEntry(const QString& accessibleName, const QString& name, QWidget* parent);
QLabel* newLabelFor(const QString& text, QWidget* buddy, QWidget* parent);
QListWidget* newListBox(const QString& accessibleName, int height, QWidget* parent);

// A list box beside its "Add" and "Remove" buttons, the buttons on top of each other.
QBoxLayout* listWithButtons(QListWidget* list, QPushButton* add, QPushButton* remove);

// Shows the rows anew; nothing stays selected. The other two change one row, so long lists
// stay quick to edit, and leave nothing selected either.
void showRows(QListWidget* list, const QStringList& rows);
void appendRow(QListWidget* list, const QString& row);
void removeRow(QListWidget* list, int row);
int selectedRow(const QListWidget* list); // -1 when none

void showError(const PageContext& page, QWidget* widget, const QString& message);

// Sizes the editor to its width and the height its layout needs.
void fitEditor(QWidget* editor, int width);

// Shows the editor's lists now and again at every load of the binder, and fits it.
template <typename Editor> Editor* mountEditor(Editor* editor, const EditorContext& context)
{
    context.binder.bindLists([editor] { editor->showContent(); });
    editor->showContent();
    fitEditor(editor, context.width);
    return editor;
}

} // namespace morvane::ui::page
