#pragma once

#include "catalog/Result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace morvane::settings {

// Replaces the file at `path` with `bytes` through a temporary file and a rename, so a failure
// leaves the previous file whole. The folder must exist unless `createFolder` is set.
Result writeFileAtomically(const QString& path, const QByteArray& bytes, bool createFolder = false);

// Writes `lines` as a text file: UTF-8, CR LF after every line.
Result writeTextLines(const QString& path, const QStringList& lines, bool createFolder = false);

struct ReadText {
    bool ok = true;
    bool exists = true;
    QString message;
    QString text;
};

// Reads a whole text file; a missing file is not an error (exists = false, empty text).
ReadText readTextFile(const QString& path);

} // namespace morvane::settings
