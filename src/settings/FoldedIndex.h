#pragma once

#include <QStringView>

#include <vector>

namespace morvane::settings {

// A hash of ids (lines or sections of a profile) keyed by a name compared without regard to
// case. It stores only the id and the hash, so a profile of a million sections costs a few
// bytes per section; the caller says how an id's name compares.
class FoldedIndex {
public:
    static quint32 hash(QStringView name, quint32 seed = 0);

    void insert(qint32 id, quint32 hash);
    template <typename Matches> qint32 find(quint32 hash, Matches matches) const
    {
        if (m_slots.empty()) {
            return -1;
        }
        const size_t mask = m_slots.size() - 1;
        for (size_t i = hash & mask;; i = (i + 1) & mask) {
            const Slot& slot = m_slots[i];
            if (slot.id < 0) {
                return -1;
            }
            if (slot.hash == hash && matches(slot.id)) {
                return slot.id;
            }
        }
    }

private:
    struct Slot {
        qint32 id = -1;
        quint32 hash = 0;
    };

    void grow();

    std::vector<Slot> m_slots;
    size_t m_count = 0;
};

} // namespace morvane::settings
