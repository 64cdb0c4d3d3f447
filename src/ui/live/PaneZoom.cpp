#include "ui/live/PaneZoom.h"

#include <algorithm>

namespace morvane::ui {

qreal paneZoom(PaneScale scale, QSize pane, QSize applet, qreal custom)
{
    const qreal width = pane.width();
    const qreal pageWidth = applet.width() + 2 * kLivePageMargin;
    const qreal pageHeight = applet.height() + 2 * kLivePageMargin;
    qreal zoom = 1.0;
    switch (scale) {
    case PaneScale::Fit:
        zoom = std::min({1.0, width / pageWidth, pane.height() / pageHeight});
        break;
    case PaneScale::Actual:
        break;
    case PaneScale::Phone:
        zoom = width / kPhoneWidth;
        break;
    case PaneScale::Tablet:
        zoom = width / kTabletWidth;
        break;
    case PaneScale::AppletWidth:
        zoom = width / pageWidth;
        break;
    case PaneScale::Custom:
        zoom = custom;
        break;
    }
    return std::clamp(zoom, kSmallestZoom, kLargestZoom);
}

} // namespace morvane::ui
