#pragma once

#include "catalog/Result.h"

#include <QString>
#include <QStringList>

namespace morvane::settings {

// What the program remembers about its own use, from start-up to the closing step.
struct Options {
    QString lastFolder = QStringLiteral("images&sounds"); // initial folder of media dialogs
    QString destinationFolder;                            // initial folder of the HTML window
    bool hotTrack = true;
    QStringList customColors; // the lines of cfg/customcolors.txt
};

// The user's home folder: the destination folder when none was saved.
QString defaultDestinationFolder();

// Reads `directories`, `options` and cfg/customcolors.txt (a missing file is an empty list).
// `hottrack` is on only when it reads exactly "yes".
Options loadOptions(const QString& appDir, Result* result = nullptr);

// The closing step's writes, before the current kind is saved: the two folders and the option.
Result saveOptions(const QString& appDir, const Options& options);
// The closing step's last write.
Result saveCustomColors(const QString& appDir, const QStringList& lines);

QString customColorsPath(const QString& appDir);

} // namespace morvane::settings
