#pragma once

#include "base/Result.h"

#include <QObject>
#include <QTimer>

#include <chrono>
#include <functional>

namespace morvane::ui {

// Saves the current kind once its edits settle, so that a crash loses at most the last second
// of typing. Each change restarts the wait; a burst of changes gives one save. A failed save is
// reported once, then silently retried at the next settling until one succeeds: the edits stay
// in the working copy, and the view change or the quit saves them again and tells as before.
class AutoSave final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AutoSave)

public:
    using Save = std::function<Result()>;
    using Report = std::function<void(const Result&)>;

    static constexpr std::chrono::milliseconds kDelay{1000};

    AutoSave(Save save, Report report, QObject* parent = nullptr);

    void setDelay(std::chrono::milliseconds delay) { m_timer.setInterval(delay); }
    // A change not saved yet.
    bool pending() const { return m_timer.isActive(); }

    void changed();
    // Settles a pending change now (an undo must see it as a step of its own); nothing when
    // none is pending.
    void settleNow();

Q_SIGNALS:
    // After the save of a settled change, whether or not it succeeded.
    void settled();

private:
    void settle();

    Save m_save;
    Report m_report;
    QTimer m_timer;
    bool m_failing = false;
};

} // namespace morvane::ui
