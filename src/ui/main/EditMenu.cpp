#include "ui/main/EditMenu.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>

using namespace Qt::StringLiterals;

namespace morvane::ui {
namespace {

// A line edit claims its undo and redo keys before any shortcut sees them; left unclaimed,
// they reach the window's actions.
class ShortcutsFirst final : public QObject {
public:
    ShortcutsFirst(QMainWindow* window, QList<QKeySequence> keys)
        : QObject(window)
        , m_window(window)
        , m_keys(std::move(keys))
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride) {
            return false;
        }
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->window() != m_window) {
            return false;
        }
        const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
        return m_keys.contains(pressed);
    }

private:
    QMainWindow* m_window;
    QList<QKeySequence> m_keys;
};

QAction* newAction(QObject* parent, const QString& text, const QString& name,
                   const QList<QKeySequence>& keys)
{
    auto* action = new QAction(text, parent);
    action->setObjectName(name);
    action->setShortcuts(keys);
    action->setEnabled(false);
    return action;
}

} // namespace

EditActions addEditMenu(QMainWindow* window)
{
    const QList<QKeySequence> undoKeys{QKeySequence(Qt::CTRL | Qt::Key_Z)};
    const QList<QKeySequence> redoKeys{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                       QKeySequence(Qt::CTRL | Qt::Key_Y)};
    QMenuBar* bar = window->menuBar();
    auto* menu = new QMenu(u"&Edit"_s, bar);
    menu->setObjectName(u"editMenu"_s);
    const EditActions actions{newAction(menu, u"&Undo"_s, u"undo"_s, undoKeys),
                              newAction(menu, u"&Redo"_s, u"redo"_s, redoKeys)};
    menu->addAction(actions.undo);
    menu->addAction(actions.redo);
    bar->insertMenu(bar->actions().value(1), menu);
    new ShortcutsFirst(window, undoKeys + redoKeys);
    return actions;
}

EditHistory::EditHistory(QMainWindow* window)
    : QObject(window)
    , m_actions(addEditMenu(window))
{}

void EditHistory::edited()
{
    m_editPending = true;
}

void EditHistory::record(const QString& kind, const settings::WorkingCopy& copy)
{
    if (!kind.isEmpty()) {
        m_history.record(kind, copy);
    }
    m_editPending = false;
}

bool EditHistory::step(bool back, const QString& kind, settings::WorkingCopy& copy)
{
    return back ? m_history.undo(kind, copy) : m_history.redo(kind, copy);
}

void EditHistory::update(bool onPage, const QString& kind, const settings::WorkingCopy& copy)
{
    const bool undo = onPage && (m_editPending || m_history.canUndo(kind));
    const bool redo = onPage && !m_editPending && m_history.canRedo(kind);
    m_actions.undo->setEnabled(undo);
    m_actions.redo->setEnabled(redo);
    const QString undone = undo ? m_history.undoName(kind, copy) : QString();
    const QString redone = redo ? m_history.redoName(kind) : QString();
    m_actions.undo->setText(undone.isEmpty() ? u"&Undo"_s : u"&Undo "_s + undone);
    m_actions.redo->setText(redone.isEmpty() ? u"&Redo"_s : u"&Redo "_s + redone);
}

} // namespace morvane::ui
