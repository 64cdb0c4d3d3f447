#pragma once

#include "settings/Options.h"

#include <QList>
#include <QMargins>
#include <QRect>
#include <QSize>

class QMainWindow;
class QSplitter;

namespace morvane::ui {

class LivePane;

// What the window frame adds around the client area before the window manager has told: a
// title bar and thin borders, so that a window placed with it keeps its title bar on screen.
inline constexpr QMargins kFrameAllowance{4, 30, 4, 4};

struct WindowFit {
    QSize usual;   // the client area's size when nothing is remembered
    QSize minimum; // the client area's smallest size, given up only to fit the screen
};

// The client area's geometry: the remembered one when it is not empty, otherwise the usual
// size centred in `available`; then never larger than `available` less the frame, and moved so
// that the framed window lies inside it.
QRect fitWindow(const QRect& remembered, const WindowFit& fit, const QRect& available,
                const QMargins& frame);

// A geometry as it is remembered (x, y, width, height), and back; numbers that are not four
// make an empty geometry.
QList<int> geometryNumbers(const QRect& geometry);
QRect geometryOf(const QList<int>& numbers);

enum class PanePlace { Beside, Below, Hidden };

// The main window's parts as the placement sees them, in the client area's pixels.
struct MainMeasures {
    int explorerUsual;   // shows every node's text whole
    int explorerMinimum; // shows the top nodes' texts whole
    int pageMinimum;     // the views' smallest width and the margin right of them
    int rightMargin;     // that margin
    int handle;          // between the explorer and the views
    int paneHandle;      // between the views and the pane
    int usualHeight;     // the client area's usual height, menu bar included, without the pane
    int minimumHeight;   // the same, smallest
    QSize paneUsual;     // width beside, height below, when nothing fitting is remembered
    QSize paneMinimum;   // smaller, it shows too little to be of use
};

// What the user last had, as the options remember it.
struct RememberedPlace {
    QRect geometry;   // empty: none
    int explorer = 0; // 0: none
    bool paneShown = false;
    bool paneBelow = false;
    QSize paneSize; // empty: none
};

struct WindowPlan {
    QRect geometry;
    QSize wanted;   // the window's size before it was fitted to the screen
    int explorer;   // the explorer's width
    PanePlace pane; // where the pane goes on this screen, whatever the user chose
    QSize paneSize; // its width beside, its height below
};

// Fits the window into `available` less `frame`, the pane open as remembered: the explorer and
// the page get at least their minimum widths, the pane what is left down to its minimum; with
// less, the pane goes below the page, or is hidden where there is no room there either. A
// remembered width or pane size that would squeeze a part below its minimum is not used.
WindowPlan planWindow(const RememberedPlace& remembered, const MainMeasures& measures,
                      const QRect& available, const QMargins& frame);

// Places the main window as planned and remembers its place at closing. A size the plan had to
// give up to fit this screen is remembered as the user had it, so that a larger screen gets it
// back.
class MainPlacement {
public:
    // `widths`: the widths and the usual height of the client area without its menu bar.
    MainPlacement(QMainWindow* window, QSplitter* splitter, LivePane* live, MainMeasures widths);

    // Before the window is shown.
    void restore(const settings::Options& remembered, const QRect& available);
    void remember(settings::Options& options) const;
    MainMeasures measures() const;

private:
    QMainWindow* m_window;
    QSplitter* m_splitter;
    LivePane* m_live;
    MainMeasures m_widths;
    int m_wantedExplorer = 0;
    WindowPlan m_plan{};
};

} // namespace morvane::ui
