#include "ui/Startup.h"

#include <QGuiApplication>
#include <QScreen>

namespace morvane::ui {

std::unique_ptr<MainWindow> startMorvane(const QString& appDir, platform::Services services)
{
    auto window = std::make_unique<MainWindow>(appDir, services);
    window->adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
    window->show();
    window->loadOptions();
    window->runFirstRunStep();
    return window;
}

} // namespace morvane::ui
