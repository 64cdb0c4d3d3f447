#include "settings/WorkingCopy.h"

namespace morvane::settings {

const ValueSet& WorkingCopy::specific(const QString& kind) const
{
    static const ValueSet empty;
    const auto it = m_specific.constFind(kind);
    return it == m_specific.constEnd() ? empty : it.value();
}

MenuTree& WorkingCopy::tree(const QString& fileName)
{
    auto it = m_trees.find(fileName);
    if (it == m_trees.end()) {
        it = m_trees.insert(fileName, MenuTree::withRoot());
    }
    return it.value();
}

MenuTree WorkingCopy::tree(const QString& fileName) const
{
    return m_trees.value(fileName, MenuTree::withRoot());
}

} // namespace morvane::settings
