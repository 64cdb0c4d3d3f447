#pragma once

#include "catalog/Result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class QSaveFile;

namespace morvane::settings {

// Replaces the file at `path` with `bytes` through a temporary file and a rename, so a failure
// leaves the previous file whole. The folder must exist unless `createFolder` is set.
Result writeFileAtomically(const QString& path, const QByteArray& bytes, bool createFolder = false);

// Writes `lines` as a text file: UTF-8, CR LF after every line.
Result writeTextLines(const QString& path, const QStringList& lines, bool createFolder = false);

// Renames an open save file into place only when every byte written reached the temporary file;
// otherwise the temporary file is dropped and the destination stays as it was.
bool commitWhole(QSaveFile& file);

// Far above any settings or list file; protects against devices and runaway files.
inline constexpr qint64 kMaxTextFileSize = 64 * 1024 * 1024;

struct ReadText {
    bool ok = true;
    bool exists = true;
    QString message;
    QString text;
};

// Reads a whole text file; a missing file is not an error (exists = false, empty text). Only
// regular files up to kMaxTextFileSize are read: anything else is refused with a message.
ReadText readTextFile(const QString& path);

} // namespace morvane::settings
