#pragma once

#include "ui/main/KindHistory.h"

#include <QObject>

class QAction;
class QMainWindow;

namespace morvane::ui {

struct EditActions {
    QAction* undo;
    QAction* redo;
};

// Puts the Edit menu, with Undo and Redo, after the first menu of the window's menu bar. In
// this window its shortcuts win over the fields' own undo, so that one history is undone
// whichever control has the focus.
EditActions addEditMenu(QMainWindow* window);

// The Edit menu over the kinds' history: an edit is pending until it settles into a step of its
// own; Undo and Redo are enabled only on a kind's page, where there is something to step to.
class EditHistory final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(EditHistory)

public:
    explicit EditHistory(QMainWindow* window);

    QAction* undoAction() const { return m_actions.undo; }
    QAction* redoAction() const { return m_actions.redo; }

    // A value of the page changed and is not yet a step.
    void edited();
    // Makes the kind's values its newest step; nothing for no kind.
    void record(const QString& kind, const settings::WorkingCopy& copy);
    // Puts the previous (`back`) or next step of the kind into `copy`; false when there is none.
    bool step(bool back, const QString& kind, settings::WorkingCopy& copy);
    // Enables the items and names in them what they would undo and redo.
    void update(bool onPage, const QString& kind, const settings::WorkingCopy& copy);

private:
    EditActions m_actions;
    KindHistory m_history;
    bool m_editPending = false;
};

} // namespace morvane::ui
