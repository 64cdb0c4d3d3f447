#pragma once

#include "settings/WorkingCopy.h"

#include <QHash>
#include <QList>
#include <QString>

namespace morvane::ui {

// Undo and redo for each kind while the program runs: the states a kind's values, lists and
// trees settled in, each one step. A kind's state is its part of the working copy (the common
// values, since every load fills them from the kind's own section, its specific values and its
// list files); the other kinds' parts are never touched.
class KindHistory {
public:
    static constexpr qsizetype kMaxSteps = 200;

    // Makes the kind's state in `copy` its newest step, unless it is the step already current.
    // Steps that were undone are dropped by a new one. The first record of a kind starts its
    // history.
    void record(const QString& kind, const settings::WorkingCopy& copy);

    bool canUndo(const QString& kind) const;
    bool canRedo(const QString& kind) const;
    // Put the previous or next step into `copy`; false, with `copy` unchanged, when there is none.
    bool undo(const QString& kind, settings::WorkingCopy& copy);
    bool redo(const QString& kind, settings::WorkingCopy& copy);

    // What an undo would take back, `now` being the values shown ("Width", "Colors"); what a
    // redo would bring back. Empty when there is nothing to name.
    QString undoName(const QString& kind, const settings::WorkingCopy& now) const;
    QString redoName(const QString& kind) const;

private:
    struct Steps {
        QList<settings::WorkingCopy> states;
        qsizetype current = -1;
    };

    void move(const QString& kind, qsizetype by, settings::WorkingCopy& copy);

    QHash<QString, Steps> m_kinds;
};

} // namespace morvane::ui
