#pragma once

#include "settings/WorkingCopy.h"

#include <QString>
#include <QStringList>

namespace morvane::ui::page {

// A list box whose rows are the values themselves, held in one list of the working copy:
// the image lists (a path is added once, compared exactly, letter case included) and the
// link list (any text but an empty one).
class LineListModel {
public:
    enum class Rule { DistinctPaths, NonEmptyTexts };

    LineListModel(settings::WorkingCopy& copy, catalog::ListFileId file, Rule rule);

    QStringList rows() const { return m_copy.list(m_file); }
    // False when the rule refuses the value; line breaks become blanks.
    bool add(const QString& value);
    bool remove(int index);

private:
    settings::WorkingCopy& m_copy;
    catalog::ListFileId m_file;
    Rule m_rule;
};

} // namespace morvane::ui::page
