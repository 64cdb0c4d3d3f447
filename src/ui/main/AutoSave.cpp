#include "ui/main/AutoSave.h"

namespace morvane::ui {

AutoSave::AutoSave(Save save, Report report, QObject* parent)
    : QObject(parent)
    , m_save(std::move(save))
    , m_report(std::move(report))
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(kDelay);
    connect(&m_timer, &QTimer::timeout, this, &AutoSave::settle);
}

void AutoSave::changed()
{
    m_timer.start();
}

void AutoSave::settleNow()
{
    if (pending()) {
        m_timer.stop();
        settle();
    }
}

void AutoSave::settle()
{
    const Result saved = m_save();
    // Set before the report: a message box runs its own event loop.
    const bool toldAlready = m_failing;
    m_failing = !saved;
    if (!saved && !toldAlready) {
        m_report(saved);
    }
    Q_EMIT settled();
}

} // namespace morvane::ui
