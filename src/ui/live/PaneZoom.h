#pragma once

#include <QSize>

namespace morvane::ui {

// How the pane scales the page: fitted whole, at one CSS pixel per pixel, or laid out at the
// width of a visitor's phone, tablet or of the applet itself, as that browser would.
enum class PaneScale { Fit, Actual, Phone, Tablet, AppletWidth, Custom };

inline constexpr int kPhoneWidth = 360;
inline constexpr int kTabletWidth = 768;
// The room the live page leaves around the applet, in CSS pixels.
inline constexpr int kLivePageMargin = 8;
inline constexpr qreal kSmallestZoom = 0.25;
inline constexpr qreal kLargestZoom = 5.0;

// The zoom that shows an applet of `applet` size in a pane of `pane` size as `scale` says; a fit
// never enlarges past 100 %. `custom` is the zoom of PaneScale::Custom.
qreal paneZoom(PaneScale scale, QSize pane, QSize applet, qreal custom = 1.0);

} // namespace morvane::ui
