#pragma once

#include "base/Outcome.h"

#include <QString>
#include <QStringList>

namespace morvane::generator {

// The live pane's page: the applet alone, in the middle of the pane while it is smaller, with
// room for the pane to scroll to each of its edges when it is larger.
QStringList buildLivePage(const QStringList& htmlLines);

inline constexpr QLatin1String livePageName{"live.htm"};

// Writes the live page into `folder` and brings the media files beside it, copying only those
// that changed since the last time: the pane asks for this after every pause in typing. Gives
// the page's file name.
Outcome<QString> prepareLivePage(const QString& appDir, const QStringList& htmlLines,
                                 const QStringList& media, const QString& folder);

} // namespace morvane::generator
