#include "ui/main/KindHistory.h"

#include "catalog/KeyTable.h"

namespace morvane::ui {
namespace {

// Copies the kind's part of the working copy from `from` into `to`.
void copyKindPart(const QString& kind, const settings::WorkingCopy& from, settings::WorkingCopy& to)
{
    to.common() = from.common();
    to.specific(kind) = from.specific(kind);
    for (const catalog::ListFileSpec& list : catalog::kindKeys(kind).lists) {
        if (list.form == catalog::ListForm::Tree) {
            to.tree(list.id) = from.tree(list.id);
        } else {
            to.list(list.id) = from.list(list.id);
        }
    }
}

settings::WorkingCopy kindPart(const QString& kind, const settings::WorkingCopy& copy)
{
    settings::WorkingCopy part;
    copyKindPart(kind, copy, part);
    return part;
}

} // namespace

void KindHistory::record(const QString& kind, const settings::WorkingCopy& copy)
{
    Steps& steps = m_kinds[kind];
    settings::WorkingCopy state = kindPart(kind, copy);
    if (steps.current >= 0 && steps.states[steps.current] == state) {
        return;
    }
    steps.states.resize(steps.current + 1);
    steps.states.append(std::move(state));
    if (steps.states.size() > kMaxSteps) {
        steps.states.removeFirst();
    }
    steps.current = steps.states.size() - 1;
}

bool KindHistory::canUndo(const QString& kind) const
{
    return m_kinds.value(kind).current > 0;
}

bool KindHistory::canRedo(const QString& kind) const
{
    const auto it = m_kinds.constFind(kind);
    return it != m_kinds.constEnd() && it->current + 1 < it->states.size();
}

bool KindHistory::undo(const QString& kind, settings::WorkingCopy& copy)
{
    if (!canUndo(kind)) {
        return false;
    }
    move(kind, -1, copy);
    return true;
}

bool KindHistory::redo(const QString& kind, settings::WorkingCopy& copy)
{
    if (!canRedo(kind)) {
        return false;
    }
    move(kind, 1, copy);
    return true;
}

void KindHistory::move(const QString& kind, qsizetype by, settings::WorkingCopy& copy)
{
    Steps& steps = m_kinds[kind];
    steps.current += by;
    copyKindPart(kind, steps.states[steps.current], copy);
}

} // namespace morvane::ui
