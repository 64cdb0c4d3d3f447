#pragma once

#include "ui/page/editors/EditorParts.h"
#include "ui/page/editors/RecordListModel.h"

#include <QList>
#include <QWidget>

class QGridLayout;
class QListWidget;

namespace morvane::ui::page {

// The records of a kind: a list box of display lines with "Add" and "Remove", and below it one
// entry field per column. "Add" takes the entry fields as they are and leaves them so; a row
// made current, by a click or the arrow keys, is copied back into them (for the kinds that
// allow it).
class RecordListEditor final : public QWidget {
public:
    // Nothing for a kind that keeps no records.
    static RecordListEditor* create(const FieldSpec& field, const EditorContext& context);

    void showContent();

private:
    RecordListEditor(const RecordKind& columns, const FieldSpec& field,
                     const EditorContext& context);
    void addEntry(const RecordColumn& column, QGridLayout* grid);
    QStringList entries() const;
    void showEntries(const QStringList& values);
    void add();
    void remove();
    void copyBack(int row);

    PageContext m_page;
    const FieldBinder& m_binder; // told of every change
    RecordListModel m_model;
    QListWidget* m_list = nullptr;
    QList<QWidget*> m_entries; // one per column: an edit, a check box or a swatch
};

} // namespace morvane::ui::page
