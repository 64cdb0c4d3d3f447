#include "ui/main/WindowPlacement.h"

#include "ui/live/LivePane.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QSplitter>

#include <algorithm>

namespace morvane::ui {

QRect fitWindow(const QRect& remembered, const WindowFit& fit, const QRect& available,
                const QMargins& frame)
{
    const QRect room = available.marginsRemoved(frame);
    QRect client = remembered;
    if (client.isEmpty()) {
        client = QRect(QPoint(), fit.usual);
        client.moveCenter(available.center());
    }
    // The screen wins over the minimum: a window larger than the screen cannot be used whole.
    client.setSize(client.size().expandedTo(fit.minimum).boundedTo(room.size()));
    client.moveLeft(std::clamp(client.left(), room.left(), room.right() + 1 - client.width()));
    client.moveTop(std::clamp(client.top(), room.top(), room.bottom() + 1 - client.height()));
    return client;
}

QList<int> geometryNumbers(const QRect& geometry)
{
    return {geometry.x(), geometry.y(), geometry.width(), geometry.height()};
}

QRect geometryOf(const QList<int>& numbers)
{
    return numbers.size() == 4 ? QRect(numbers[0], numbers[1], numbers[2], numbers[3]) : QRect();
}

void restorePlacement(const PlacedWindow& placed, const settings::Options& remembered,
                      const QRect& available)
{
    QMainWindow& window = *placed.window;
    placed.live->apply(remembered);
    const QSize menu(0, window.menuBar()->sizeHint().height());
    const WindowFit fit{placed.usualClient + menu + placed.live->extent(),
                        window.minimumSizeHint()};
    window.setGeometry(
        fitWindow(geometryOf(remembered.windowGeometry), fit, available, kFrameAllowance));
    const QList<int>& sizes = remembered.splitterSizes;
    if (sizes.size() == 2 && sizes[0] > 0 && sizes[1] > 0) {
        placed.splitter->setSizes(sizes);
    }
    if (remembered.windowMaximized) {
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
    }
}

void rememberPlacement(const PlacedWindow& placed, settings::Options& options)
{
    options.windowGeometry = geometryNumbers(placed.window->normalGeometry());
    options.splitterSizes = placed.splitter->sizes();
    options.windowMaximized = placed.window->isMaximized();
    placed.live->remember(options);
}

} // namespace morvane::ui
