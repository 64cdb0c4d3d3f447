// The entry of the web engine's module: the program loads it once its window is on the screen,
// so that its start does not pay for the engine's libraries.

#include "platform/webview/QtLivePreview.h"

extern "C" Q_DECL_EXPORT morvane::platform::LivePreview* morvaneCreateLivePreview(QWidget* parent)
{
    return new morvane::platform::QtLivePreview(parent);
}
