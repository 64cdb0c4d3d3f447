#include "ui/Startup.h"

#include "ui/ProgramStyle.h"
#include "ui/main/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>

namespace morvane::ui {

std::unique_ptr<MainWindow> startMorvane(const QString& appDir, platform::Services services,
                                         const platform::LivePreviewFactory& livePreview)
{
    useProgramStyle();
    auto window = std::make_unique<MainWindow>(appDir, services);
    if (livePreview) {
        window->setLivePreview(livePreview);
    }
    // The options' load after showing tells what could not be read; this one only places.
    const settings::Options remembered =
        settings::loadOptions(appDir).valueOr(settings::defaultOptions());
    const QRect before = geometryOf(remembered.windowGeometry);
    const QScreen* screen = before.isEmpty() ? nullptr : QGuiApplication::screenAt(before.center());
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen) {
        window->restorePlacement(remembered, screen->availableGeometry());
    }
    window->show();
    window->loadOptions();
    window->runFirstRunStep();
    return window;
}

} // namespace morvane::ui
