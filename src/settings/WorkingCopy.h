#pragma once

#include "settings/MenuTree.h"
#include "settings/ValueSet.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace morvane::settings {

// What the parameter page holds: the common values (shared by every kind and overwritten by
// every load), each kind's own values, and the list files' contents keyed by file name
// ("ListBox4.txt", "TreeView1.txt"). The settings store fills it, the generator reads it and the
// page edits it.
class WorkingCopy {
public:
    ValueSet& common() { return m_common; }
    const ValueSet& common() const { return m_common; }

    ValueSet& specific(const QString& kind) { return m_specific[kind]; }
    const ValueSet& specific(const QString& kind) const;

    QStringList& list(const QString& fileName) { return m_lists[fileName]; }
    QStringList list(const QString& fileName) const { return m_lists.value(fileName); }

    MenuTree& tree(const QString& fileName);
    MenuTree tree(const QString& fileName) const;

    friend bool operator==(const WorkingCopy&, const WorkingCopy&) = default;

private:
    ValueSet m_common;
    QHash<QString, ValueSet> m_specific;
    QHash<QString, QStringList> m_lists;
    QHash<QString, MenuTree> m_trees;
};

} // namespace morvane::settings
