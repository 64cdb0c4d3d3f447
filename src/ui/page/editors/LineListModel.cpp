#include "ui/page/editors/LineListModel.h"

#include "ui/page/FieldBinder.h"

namespace morvane::ui::page {

LineListModel::LineListModel(settings::WorkingCopy& copy, catalog::ListFileId file, Rule rule)
    : m_copy(copy)
    , m_file(file)
    , m_rule(rule)
{}

bool LineListModel::add(const QString& value)
{
    const QString line = withLineBreaksAsBlanks(value);
    QStringList& items = m_copy.list(m_file);
    if (line.isEmpty()) {
        return false;
    }
    if (m_rule == Rule::DistinctPaths && items.contains(line, Qt::CaseSensitive)) {
        return false;
    }
    items.append(line);
    return true;
}

bool LineListModel::remove(int index)
{
    QStringList& items = m_copy.list(m_file);
    if (index < 0 || index >= items.size()) {
        return false;
    }
    items.removeAt(index);
    return true;
}

} // namespace morvane::ui::page
