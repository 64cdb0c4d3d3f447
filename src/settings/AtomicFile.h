#pragma once

#include "base/FolderWalk.h"
#include "base/Outcome.h"
#include "base/PlacedFiles.h"
#include "base/Result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class QSaveFile;

namespace morvane::settings {

// Where a file is written: `within` is the installation folder it must stay inside (see
// checkInside), empty for a path the user chose; `createFolder` creates the folders on its way.
struct Placement {
    QString within;
    bool createFolder = false;
};

// Where `path` leads, walked from `within` (see FolderWalk): a link at the file is followed as
// the system would. Fails with `failure` + path + the reason.
Outcome<Place> locate(const QString& path, const Placement& placement, const QString& failure);

// Replaces the file at `path` with `bytes` through a staging file and a rename, so a failure
// leaves the previous file whole. Only a regular file is replaced.
Result writeFileAtomically(const QString& path, const QByteArray& bytes,
                           const Placement& placement);

// Writes `text` as a text file, UTF-8; a text the reader would refuse is refused before anything
// is written.
Result writeText(const QString& path, const QString& text, const Placement& placement);
// Writes `lines` as a text file: UTF-8, CR LF after every line.
Result writeTextLines(const QString& path, const QStringList& lines, const Placement& placement);

// A staging file for a whole new content of `path`, checked as writeFileAtomically does. The
// content takes the file's place on commit(); dropping it leaves the old file as it was.
Outcome<StagedFile> stageFile(const QString& path, const Placement& placement);

// Renames an open save file into place only when every byte written reached the temporary file;
// otherwise the temporary file is dropped and the destination stays as it was.
bool commitWhole(QSaveFile& file);

// Far above any settings or list file; protects against devices and runaway files.
inline constexpr qint64 kMaxTextFileSize = 64 * 1024 * 1024;

// A text file's bytes that the reader would refuse fail here, naming `path`.
Result checkTextSize(const QString& path, const QByteArray& bytes);

// The regular file at `path`, open for reading, walked from `within`; not open when missing. A
// link leading out of `within`, a pipe or a device (which would never end) is refused.
Outcome<Descriptor> openForReading(const QString& path, const QString& within);

// Reads a whole regular file of the installation folder `within`, of any size: a file to copy.
Outcome<QByteArray> readWholeFile(const QString& path, const QString& within);

// Reads a whole text file of the installation folder `within`; a missing file is not an error:
// its text is empty. Only regular files up to kMaxTextFileSize that lie inside the folder are
// read: anything else is refused with a message.
Outcome<QString> readTextFile(const QString& path, const QString& within);

// The messages of failed reads and writes, with the system's reason.
QString createFailure(const QString& path, const QString& reason);
QString openFailure(const QString& path, const QString& reason);

} // namespace morvane::settings
