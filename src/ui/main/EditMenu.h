#pragma once

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

} // namespace morvane::ui
