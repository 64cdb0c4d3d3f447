#pragma once

#include <QList>
#include <QMargins>
#include <QRect>
#include <QSize>

namespace morvane::ui {

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

} // namespace morvane::ui
