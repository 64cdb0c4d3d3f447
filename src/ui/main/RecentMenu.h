#pragma once

#include <QMenu>
#include <QStringList>

namespace morvane::ui {

// File > "Recent": the kinds last opened, the latest first, numbered for the keyboard. The items
// are made again from `recent` each time the menu is about to show; with none the menu says so.
class RecentMenu final : public QMenu {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RecentMenu)

public:
    RecentMenu(const QStringList& recent, QWidget* parent = nullptr);

    void rebuild();

Q_SIGNALS:
    void kindChosen(const QString& kind);

private:
    const QStringList& m_recent;
};

} // namespace morvane::ui
