#pragma once

#include "base/Result.h"

#include <QString>
#include <QStringList>

namespace morvane::settings {

using namespace Qt::StringLiterals;

// What the program remembers about its own use, from start-up to the closing step.
struct Options {
    QString lastFolder = u"images&sounds"_s; // initial folder of media dialogs
    QString destinationFolder;               // initial folder of the HTML window
    bool hotTrack = true;
    bool runtime = true;      // the HTML code loads the script that runs the applets in browsers
    QStringList customColors; // the lines of cfg/customcolors.txt
};

// The user's home folder: the destination folder when none was saved.
QString defaultDestinationFolder();

// Reads `directories`, `options` and cfg/customcolors.txt (a missing file is an empty list).
// `hottrack` and `runtime` are on only when they read exactly "yes" (missing: on).
Options loadOptions(const QString& appDir, Result* result = nullptr);

// The closing step's writes, before the current kind is saved: the two folders and the options.
Result saveOptions(const QString& appDir, const Options& options);
// The closing step's last write.
Result saveCustomColors(const QString& appDir, const QStringList& lines);

QString customColorsPath(const QString& appDir);

} // namespace morvane::settings
