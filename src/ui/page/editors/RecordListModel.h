#pragma once

#include "base/Result.h"
#include "settings/WorkingCopy.h"
#include "ui/page/editors/RecordKinds.h"

#include <QString>
#include <QStringList>

namespace morvane::ui::page {

// The records of one kind, held in the working copy's parallel item lists: row i is item i
// of every list. The lists are looked up on every call, since a load replaces them. Values are
// the stored texts, one per column in the kind's column order.
class RecordListModel {
public:
    RecordListModel(settings::WorkingCopy& copy, const QString& kind, const RecordKind& columns);

    const RecordKind& columns() const { return m_columns; }
    int rowCount() const;
    QStringList displayLines() const;
    QString displayLine(int index) const;
    QStringList row(int index) const; // empty when there is no such row

    // Checks the values in column order; the first empty one fails with its message and nothing
    // is added. Line breaks become blanks, since every value is one line of its file.
    Result add(const QStringList& values);
    bool remove(int index);

    static QString displayLine(const RecordKind& columns, const QStringList& values);

private:
    QStringList& list(int column) const;

    settings::WorkingCopy& m_copy;
    const RecordKind& m_columns;
    catalog::ListFileId m_countingFile;
};

} // namespace morvane::ui::page
