#include "ui/main/RecentMenu.h"

using namespace Qt::StringLiterals;

namespace morvane::ui {

RecentMenu::RecentMenu(const QStringList& recent, QWidget* parent)
    : QMenu(u"&Recent"_s, parent)
    , m_recent(recent)
{
    setObjectName(u"recentMenu"_s);
    connect(this, &QMenu::aboutToShow, this, &RecentMenu::rebuild);
    rebuild();
}

void RecentMenu::rebuild()
{
    clear();
    if (m_recent.isEmpty()) {
        addAction(u"No applet opened yet"_s)->setEnabled(false);
        return;
    }
    int number = 0;
    for (const QString& kind : m_recent) {
        ++number;
        QAction* action = addAction(u"&%1 %2"_s.arg(number).arg(kind));
        action->setObjectName(u"recent_"_s + kind);
        connect(action, &QAction::triggered, this, [this, kind] { Q_EMIT kindChosen(kind); });
    }
}

} // namespace morvane::ui
