#pragma once

#include "platform/QtServices.h"
#include "platform/fakes/FakeServices.h"
#include "platform/webview/QtLivePreview.h"
#include "ui/MainWindow.h"

#include <QString>

#include <memory>

namespace morvane::test {

// The main window with the real live pane and the program's own server, the other services
// faked: what the pane shows is read back from its page.
class LiveDriver {
public:
    explicit LiveDriver(const QString& appDir);
    ~LiveDriver();
    Q_DISABLE_COPY_MOVE(LiveDriver)

    ui::MainWindow& window() { return *m_window; }
    platform::QtLivePreview& pane() { return *m_pane; }
    platform::FakeServices& fakes() { return m_fakes; }

    // Picks `color` for the swatch of `key` through the colour dialog, as a click would.
    void pickColor(const QString& key, ColorRef color);
    // The script's value as text; empty when the page gave none in time.
    QString evaluate(const QString& script);
    // "r,g,b" of the first canvas near its top left corner; empty without one.
    QString canvasPixel();
    // Until the pane's canvas shows `rgb` there; false after a long wait.
    bool waitForPixel(const QString& rgb);
    // Until `script` gives `expected`, asked again as soon as it answers; false after a long wait.
    bool waitFor(const QString& script, const QString& expected);

private:
    platform::FakeServices m_fakes;
    platform::QtPreviewServer m_server;
    std::unique_ptr<ui::MainWindow> m_window;
    platform::QtLivePreview* m_pane = nullptr;
};

QString rgbText(ColorRef color);

} // namespace morvane::test
