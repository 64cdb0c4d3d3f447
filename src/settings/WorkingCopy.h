#pragma once

#include "catalog/ListFileTable.h"
#include "settings/MenuTree.h"
#include "settings/ValueSet.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace morvane::settings {

// What the parameter page holds: the common values (shared by every kind and overwritten by
// every load), each kind's own values, and the list files' contents. The settings store fills
// it, the generator reads it and the page edits it.
class WorkingCopy {
public:
    ValueSet& common() { return m_common; }
    const ValueSet& common() const { return m_common; }

    ValueSet& specific(const QString& kind) { return m_specific[kind]; }
    const ValueSet& specific(const QString& kind) const;

    QStringList& list(catalog::ListFileId file) { return m_lists[file]; }
    QStringList list(catalog::ListFileId file) const { return m_lists.value(file); }

    MenuTree& tree(catalog::ListFileId file);
    MenuTree tree(catalog::ListFileId file) const;

    friend bool operator==(const WorkingCopy&, const WorkingCopy&) = default;

private:
    ValueSet m_common;
    QHash<QString, ValueSet> m_specific;
    QHash<catalog::ListFileId, QStringList> m_lists;
    QHash<catalog::ListFileId, MenuTree> m_trees;
};

} // namespace morvane::settings
