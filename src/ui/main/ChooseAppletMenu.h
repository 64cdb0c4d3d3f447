#pragma once

#include <QMenu>

namespace morvane::ui {

// The "Choose Applet" submenu: the 50 kinds in three columns separated by a bar. The items are
// built the first time the menu is about to show. Each item emits its own caption.
class ChooseAppletMenu final : public QMenu {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChooseAppletMenu)

public:
    explicit ChooseAppletMenu(QWidget* parent = nullptr);

    void ensureBuilt();
    // The items of each column, in catalog order (builds the menu when needed).
    QList<QList<QAction*>> columns();

Q_SIGNALS:
    void kindChosen(const QString& caption);

private:
    void closeMenuChain();

    QList<QList<QAction*>> m_columns;
};

} // namespace morvane::ui
