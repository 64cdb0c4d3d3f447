#include "LiveDriver.h"

#include "ui/Startup.h"
#include "ui/page/ColorSwatch.h"
#include "ui/page/ParameterPage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

using namespace Qt::StringLiterals;

namespace morvane::test {
namespace {

constexpr int kPatience = 30000;

// Read through a copy: an applet that draws seldom gives its canvas no 2D context.
const QString kPixelScript = uR"((() => {
  const canvas = document.querySelector('canvas');
  if (!canvas) return '';
  const copy = Object.assign(document.createElement('canvas'), { width: 1, height: 1 }).getContext('2d');
  copy.drawImage(canvas, 2, 2, 1, 1, 0, 0, 1, 1);
  const d = copy.getImageData(0, 0, 1, 1).data;
  return d[0] + ',' + d[1] + ',' + d[2];
})())"_s;

} // namespace

LiveDriver::LiveDriver(const QString& appDir)
{
    const platform::Services services{m_fakes.messages, m_fakes.files,     m_fakes.colors,
                                      m_fakes.shell,    m_fakes.clipboard, m_fakes.printer,
                                      m_server};
    // Started as the program starts, the sample media included.
    m_window = ui::startMorvane(appDir, services, [this](QWidget* parent) {
        m_pane = new platform::QtLivePreview(parent);
        return m_pane;
    });
    // The pane's web view comes once the window is drawn; the callers check that it did.
    QApplication::setActiveWindow(m_window.get());
    if (QTest::qWaitForWindowActive(m_window.get())) {
        (void)QTest::qWaitFor([this] { return m_pane->view() != nullptr; }, kPatience);
    }
}

LiveDriver::~LiveDriver() = default;

void LiveDriver::pickColor(const QString& key, ColorRef color)
{
    m_fakes.colors.setNextAnswer(color);
    auto* swatch = m_window->parameterPage()->findChild<ui::page::ColorSwatch*>(key);
    Q_EMIT swatch->clicked();
}

QString LiveDriver::evaluate(const QString& script)
{
    if (!m_pane->view()) {
        return QString();
    }
    // A loop of its own, left as soon as the answer is in: the benchmark times with it.
    auto result = std::make_shared<QString>();
    QEventLoop loop;
    QPointer<QEventLoop> waiting(&loop);
    m_pane->view()->page()->runJavaScript(script, [result, waiting](const QVariant& value) {
        *result = value.toString();
        if (waiting) {
            waiting->quit();
        }
    });
    QTimer::singleShot(kPatience, &loop, &QEventLoop::quit);
    loop.exec();
    return *result;
}

QString LiveDriver::canvasPixel()
{
    return evaluate(kPixelScript);
}

bool LiveDriver::waitForPixel(const QString& rgb)
{
    return waitFor(kPixelScript, rgb);
}

bool LiveDriver::waitFor(const QString& script, const QString& expected)
{
    QElapsedTimer waited;
    waited.start();
    while (evaluate(script) != expected) {
        if (waited.elapsed() > kPatience) {
            return false;
        }
    }
    return true;
}

QString rgbText(ColorRef color)
{
    return u"%1,%2,%3"_s.arg(color & 0xFFu).arg((color >> 8) & 0xFFu).arg((color >> 16) & 0xFFu);
}

} // namespace morvane::test
