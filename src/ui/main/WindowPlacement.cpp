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

namespace {

int paneLength(QSize size, bool below)
{
    return below ? size.height() : size.width();
}

} // namespace

WindowPlan planWindow(const RememberedPlace& remembered, const MainMeasures& measures,
                      const QRect& available, const QMargins& frame)
{
    const MainMeasures& m = measures;
    const int explorer =
        remembered.explorer >= m.explorerMinimum ? remembered.explorer : m.explorerUsual;
    QSize pane = m.paneUsual;
    for (const bool below : {false, true}) {
        const int length = paneLength(remembered.paneSize, below);
        if (length >= paneLength(m.paneMinimum, below)) {
            (below ? pane.rheight() : pane.rwidth()) = length;
        }
    }
    const bool beside = remembered.paneShown && !remembered.paneBelow;
    const bool below = remembered.paneShown && remembered.paneBelow;
    const QSize usual(explorer + m.handle + m.pageMinimum +
                          (beside ? m.paneHandle + pane.width() : 0),
                      m.usualHeight + (below ? m.paneHandle + pane.height() : 0));
    const QSize minimum(m.explorerMinimum + m.handle + m.pageMinimum, m.minimumHeight);
    WindowPlan plan{fitWindow(remembered.geometry, {usual, minimum}, available, frame),
                    remembered.geometry.isEmpty() ? usual : remembered.geometry.size(), explorer,
                    PanePlace::Hidden, pane};
    const int width = plan.geometry.width();
    const int besidePage = width - m.pageMinimum - m.handle;
    if (beside) {
        // The pane gives up its width before the explorer does.
        const int roomBeside = besidePage - m.paneHandle;
        plan.explorer = std::clamp(roomBeside - m.paneMinimum.width(), m.explorerMinimum, explorer);
        plan.paneSize.setWidth(std::min(pane.width(), roomBeside - plan.explorer));
        if (plan.paneSize.width() >= m.paneMinimum.width()) {
            plan.pane = PanePlace::Beside;
            return plan;
        }
    }
    plan.explorer = std::clamp(besidePage, m.explorerMinimum, explorer);
    if (!remembered.paneShown) {
        return plan;
    }
    // Below, the window grows down as far as the screen lets it; the views keep their usual
    // height before the pane gets more than its minimum.
    const QRect room = available.marginsRemoved(frame);
    QRect& geometry = plan.geometry;
    geometry.setHeight(std::max(
        geometry.height(), std::min(room.height(), m.usualHeight + m.paneHandle + pane.height())));
    geometry.moveTop(std::clamp(geometry.top(), room.top(), room.bottom() + 1 - geometry.height()));
    const int roomBelow = geometry.height() - m.paneHandle;
    if (roomBelow - m.minimumHeight >= m.paneMinimum.height()) {
        plan.pane = PanePlace::Below;
        plan.paneSize.setHeight(
            std::clamp(roomBelow - m.usualHeight, m.paneMinimum.height(), pane.height()));
    }
    return plan;
}

MainPlacement::MainPlacement(QMainWindow* window, QSplitter* splitter, LivePane* live,
                             MainMeasures widths)
    : m_window(window)
    , m_splitter(splitter)
    , m_live(live)
    , m_widths(widths)
{}

MainMeasures MainPlacement::measures() const
{
    MainMeasures measured = m_widths;
    const int menu = m_window->menuBar()->sizeHint().height();
    measured.usualHeight += menu;
    measured.minimumHeight += menu;
    measured.paneHandle = m_live->splitter()->handleWidth();
    measured.paneUsual = LivePane::kUsualSize;
    measured.paneMinimum = LivePane::kMinimumSize;
    return measured;
}

void MainPlacement::restore(const settings::Options& remembered, const QRect& available)
{
    m_live->apply(remembered);
    const QList<int>& sizes = remembered.splitterSizes;
    const QList<int>& pane = remembered.livePreviewSize;
    const MainMeasures measured = measures();
    const WindowPlan plan = planWindow(
        RememberedPlace{geometryOf(remembered.windowGeometry),
                        sizes.size() == 2 && sizes[1] > 0 ? sizes[0] : 0,
                        m_live->available() && remembered.livePreview, remembered.livePreviewBelow,
                        pane.size() == 2 ? QSize(pane[0], pane[1]) : QSize()},
        measured, available, kFrameAllowance);
    m_window->setGeometry(plan.geometry);
    m_wantedExplorer = sizes.size() == 2 && sizes[0] >= measured.explorerMinimum
                           ? sizes[0]
                           : measured.explorerUsual;
    m_plan = plan;
    // The views take what the explorer leaves, less the margin at their right.
    const int rest = plan.geometry.width() - plan.explorer - measured.handle - measured.rightMargin;
    m_splitter->setSizes({plan.explorer, rest});
    m_live->fitTo(plan.pane, plan.paneSize);
    if (remembered.windowMaximized) {
        m_window->setWindowState(m_window->windowState() | Qt::WindowMaximized);
    }
}

void MainPlacement::remember(settings::Options& options) const
{
    // Squeezed to fit this screen and left so by the user: the size the user had.
    QRect geometry = m_window->normalGeometry();
    if (geometry.size() == m_plan.geometry.size()) {
        geometry.setSize(m_plan.wanted);
    }
    options.windowGeometry = geometryNumbers(geometry);
    options.splitterSizes = m_splitter->sizes();
    if (!options.splitterSizes.isEmpty() && options.splitterSizes[0] == m_plan.explorer) {
        options.splitterSizes[0] = m_wantedExplorer;
    }
    options.windowMaximized = m_window->isMaximized();
    m_live->remember(options);
}

} // namespace morvane::ui
