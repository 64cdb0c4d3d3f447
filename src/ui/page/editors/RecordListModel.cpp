#include "ui/page/editors/RecordListModel.h"

#include "base/ColorRef.h"
#include "catalog/KeyTable.h"
#include "ui/page/FieldBinder.h"

using namespace Qt::StringLiterals;

namespace morvane::ui::page {
namespace {

catalog::ListFileId countingFile(const QString& kind, const RecordKind& columns)
{
    for (const catalog::ListFileSpec& file : catalog::kindKeys(kind).lists) {
        if (file.countsItems) {
            return file.id;
        }
    }
    return columns.columns.front().file;
}

QString shown(const RecordColumn& column, const QString& value)
{
    if (column.entry != Entry::Swatch) {
        return value;
    }
    return htmlColor(value.toUInt());
}

} // namespace

RecordListModel::RecordListModel(settings::WorkingCopy& copy, const QString& kind,
                                 const RecordKind& columns)
    : m_copy(copy)
    , m_columns(columns)
    , m_countingFile(countingFile(kind, columns))
{}

QStringList& RecordListModel::list(int column) const
{
    return m_copy.list(m_columns.columns[size_t(column)].file);
}

int RecordListModel::rowCount() const
{
    return int(m_copy.list(m_countingFile).size());
}

QString RecordListModel::displayLine(const RecordKind& columns, const QStringList& values)
{
    QStringList parts;
    for (int column : columns.display) {
        parts.append(shown(columns.columns[size_t(column)], values.value(column)));
    }
    return parts.join(u" - "_s);
}

QStringList RecordListModel::displayLines() const
{
    QList<QStringList> columns;
    for (int column = 0; column < int(m_columns.columns.size()); ++column) {
        columns.append(list(column));
    }
    QStringList lines;
    const int rows = rowCount();
    lines.reserve(rows);
    QStringList values(columns.size());
    for (int index = 0; index < rows; ++index) {
        for (qsizetype column = 0; column < columns.size(); ++column) {
            values[column] = columns[column].value(index);
        }
        lines.append(displayLine(m_columns, values));
    }
    return lines;
}

QString RecordListModel::displayLine(int index) const
{
    return displayLine(m_columns, row(index));
}

QStringList RecordListModel::row(int index) const
{
    if (index < 0 || index >= rowCount()) {
        return {};
    }
    QStringList values;
    for (int column = 0; column < int(m_columns.columns.size()); ++column) {
        values.append(list(column).value(index));
    }
    return values;
}

Result RecordListModel::add(const QStringList& values)
{
    for (int column = 0; column < int(m_columns.columns.size()); ++column) {
        const RecordColumn& field = m_columns.columns[size_t(column)];
        if (field.emptyMessage && values.value(column).isEmpty()) {
            return Result::failure(QString::fromUtf16(field.emptyMessage));
        }
    }
    // A list longer than the counting one holds lines that belong to no row; they go, so the
    // new record lands at the same index in every list.
    const int rows = rowCount();
    for (int column = 0; column < int(m_columns.columns.size()); ++column) {
        QStringList& items = list(column);
        items.resize(rows);
        items.append(withLineBreaksAsBlanks(values.value(column)));
    }
    return Result::success();
}

bool RecordListModel::remove(int index)
{
    if (index < 0 || index >= rowCount()) {
        return false;
    }
    for (int column = 0; column < int(m_columns.columns.size()); ++column) {
        QStringList& items = list(column);
        if (index < items.size()) {
            items.removeAt(index);
        }
    }
    return true;
}

} // namespace morvane::ui::page
