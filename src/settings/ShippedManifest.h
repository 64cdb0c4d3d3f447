#pragma once

#include "base/Result.h"

#include <QByteArray>
#include <QMap>
#include <QString>

#include <optional>

namespace morvane::settings {

// The content of a file as the user's copy received it from the shipped data.
struct ShippedRecord {
    QByteArray sha256; // lower-case hexadecimal
    qint64 size = -1;

    bool operator==(const ShippedRecord&) const = default;
};

// What the file system tells of a file without reading it. A write sets the status-change time,
// which no program can set back as a restored backup sets back the modification time, so a file
// that still shows the same stamp still holds what it held then.
struct FileStamp {
    qint64 size = -1;
    qint64 modified = -1; // milliseconds since the epoch; -1 when unknown
    qint64 changed = -1;  // status change, likewise

    bool known() const { return size >= 0 && modified >= 0 && changed >= 0; }
    bool operator==(const FileStamp&) const = default;
};

FileStamp stampOf(const QString& path);

// A file's content as read while the file showed `stamp`.
struct SeenFile {
    FileStamp stamp;
    QByteArray sha256;

    ShippedRecord content() const { return {sha256, stamp.size}; }
    bool operator==(const SeenFile&) const = default;
};

struct ShippedEntry {
    std::optional<ShippedRecord> copied; // none for a file the copy held before records were kept
    std::optional<SeenFile> shipped;     // the shipped file when it was last read
    std::optional<SeenFile> copy;        // the user's file likewise

    bool operator==(const ShippedEntry&) const = default;
};

// A folder of the shipped data and the user's folder of the same name, each as it was when its
// files were last listed or looked at: while it shows the same stamp, no file was added to it,
// taken from it or put in the place of another.
struct SeenFolder {
    FileStamp shipped;
    std::optional<FileStamp> copy; // none for the top, a link, or a folder not looked at whole

    bool operator==(const SeenFolder&) const = default;
};

struct ShippedManifest {
    // Every shipped file by relative path (with '/'): what was last copied there, and what both
    // files held when read.
    QMap<QString, ShippedEntry> files;
    // Every shipped folder by relative path ("." the top); none when one could not be stamped.
    QMap<QString, SeenFolder> folders;

    bool operator==(const ShippedManifest&) const = default;
};

QString shippedManifestPath(const QString& userDir);

// A missing or unreadable manifest is empty and a malformed line is left out: a file without a
// record is only ever recorded, never replaced, so a damaged manifest costs no user's file. A
// file seen no earlier than the manifest was written may have changed again within the same
// tick of the file system's clock, keeping its stamp: what was seen of it is left out too, and
// so are the folders when one of them was listed that late.
ShippedManifest readShippedManifest(const QString& userDir);

Result writeShippedManifest(const QString& userDir, const ShippedManifest& manifest);

ShippedRecord recordOf(const QByteArray& bytes);

} // namespace morvane::settings
