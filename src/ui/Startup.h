#pragma once

#include "platform/Services.h"
#include "ui/MainWindow.h"

#include <memory>

namespace morvane::ui {

// The program's start-up after the application object exists: the main window is created and
// shown, then the options are loaded and the first-run step runs. The caller enters the event
// loop. Without a live preview factory the window has no live preview pane.
std::unique_ptr<MainWindow> startMorvane(const QString& appDir, platform::Services services,
                                         const platform::LivePreviewFactory& livePreview = {});

} // namespace morvane::ui
