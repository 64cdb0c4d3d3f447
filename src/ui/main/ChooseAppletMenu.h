#pragma once

#include <QMenu>
#include <QPushButton>

namespace morvane::ui {

// One kind of the "Choose Applet" submenu: drawn like a menu item, read as one by screen
// readers.
class ChooseAppletEntry final : public QPushButton {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChooseAppletEntry)

public:
    ChooseAppletEntry(QAction* action, QWidget* parent);
};

// The "Choose Applet" submenu: the 50 kinds in three columns separated by a bar. The items are
// built the first time the menu is about to show. Each item emits its own caption. A menu lays
// its items out in one column, so the columns are a panel of entries in the menu: the arrow
// keys walk them, Enter chooses, and screen readers see them as the menu's items.
class ChooseAppletMenu final : public QMenu {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChooseAppletMenu)

public:
    explicit ChooseAppletMenu(QWidget* parent = nullptr);

    void ensureBuilt();
    // The items of each column, in catalog order (builds the menu when needed).
    QList<QList<QAction*>> columns();
    // The entries showing the items, in catalog order.
    const QList<ChooseAppletEntry*>& entries() const { return m_entries; }

Q_SIGNALS:
    void kindChosen(const QString& caption);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void closeMenuChain();
    // The entry an arrow key leads to from `entry`, or nullptr at an edge.
    ChooseAppletEntry* neighbour(ChooseAppletEntry* entry, int key) const;

    QList<QList<QAction*>> m_columns;
    QList<QList<ChooseAppletEntry*>> m_entryColumns;
    QList<ChooseAppletEntry*> m_entries;
};

} // namespace morvane::ui
