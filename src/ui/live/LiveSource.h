#pragma once

#include "base/Outcome.h"
#include "platform/PreviewServer.h"
#include "settings/WorkingCopy.h"
#include "ui/main/MainState.h"

#include <QSize>

namespace morvane::ui {

// What the live page is made of: the current kind's values, as the HTML window takes them.
struct LiveSource {
    const MainState& state;
    const settings::WorkingCopy& values;
    QString appDir;
    platform::PreviewServer& server;
};

// Writes the current kind's page into `folder` and gives its address on the program's server.
// The applet always comes with its runtime, whatever the HTML code's option: nothing else plays
// it. A value that fails its check gives the message the HTML window would show.
Outcome<QString> liveAddress(const LiveSource& source, const QString& folder);
// The width and height the current kind's applet asks for; empty away from a kind's page or
// while one of them is not a number.
QSize liveAppletSize(const LiveSource& source);

} // namespace morvane::ui
