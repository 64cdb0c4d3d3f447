#include "settings/WorkingCopy.h"

namespace morvane::settings {

const ValueSet& WorkingCopy::specific(const QString& kind) const
{
    static const ValueSet empty;
    const auto it = m_specific.constFind(kind);
    return it == m_specific.constEnd() ? empty : it.value();
}

MenuTree& WorkingCopy::tree(catalog::ListFileId file)
{
    auto it = m_trees.find(file);
    if (it == m_trees.end()) {
        it = m_trees.insert(file, MenuTree::withRoot());
    }
    return it.value();
}

MenuTree WorkingCopy::tree(catalog::ListFileId file) const
{
    return m_trees.value(file, MenuTree::withRoot());
}

} // namespace morvane::settings
