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

// The main window's parts that its placement sets and remembers.
struct PlacedWindow {
    QMainWindow* window;
    QSplitter* splitter;
    LivePane* live;
    QSize usualClient; // without the menu bar and the pane
};

// Before the window is shown: its remembered size and place, or its usual size in the middle of
// `available`; always inside `available`, shrunk to it when needed.
void restorePlacement(const PlacedWindow& placed, const settings::Options& remembered,
                      const QRect& available);
// The window's place, the splitter's and the pane's sizes, into `options`.
void rememberPlacement(const PlacedWindow& placed, settings::Options& options);

} // namespace morvane::ui
