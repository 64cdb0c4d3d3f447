#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

// Tells "shown" once the window's first frame is painted, before anything the program put off
// until then (the live pane's web engine) runs: what the user waits for. Application filters
// see the paint before any filter of the program does, so the report is queued first.
class FirstFrame final : public QObject {
public:
    explicit FirstFrame(QWidget& window)
        : m_window(window)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

    [[noreturn]] void wait()
    {
        for (;;) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Paint && widget && widget->window() == &m_window) {
            QMetaObject::invokeMethod(
                this, [] { report(); }, Qt::QueuedConnection);
            QCoreApplication::instance()->removeEventFilter(this);
        }
        return false;
    }

private:
    [[noreturn]] static void report()
    {
        std::fputs("shown\n", stdout);
        std::fflush(stdout);
        std::_Exit(0);
    }

    QWidget& m_window;
};
