#include "settings/FoldedIndex.h"

#include <QChar>

namespace morvane::settings {

quint32 FoldedIndex::hash(QStringView name, quint32 seed)
{
    // Folded as QStringView::compare(Qt::CaseInsensitive) folds; surrogates are left out, so
    // names equal without regard to case always hash alike.
    quint32 value = 2166136261u ^ seed;
    for (const QChar c : name) {
        if (c.isSurrogate()) {
            continue;
        }
        value = (value ^ c.toCaseFolded().unicode()) * 16777619u;
    }
    return value;
}

void FoldedIndex::insert(qint32 id, quint32 hash)
{
    if ((m_count + 1) * 2 > m_slots.size()) {
        grow();
    }
    const size_t mask = m_slots.size() - 1;
    size_t i = hash & mask;
    while (m_slots[i].id >= 0) {
        i = (i + 1) & mask;
    }
    m_slots[i] = Slot{id, hash};
    ++m_count;
}

void FoldedIndex::grow()
{
    std::vector<Slot> old = std::move(m_slots);
    m_slots.assign(old.empty() ? 16 : old.size() * 2, Slot{});
    m_count = 0;
    for (const Slot& slot : old) {
        if (slot.id >= 0) {
            insert(slot.id, slot.hash);
        }
    }
}

} // namespace morvane::settings
