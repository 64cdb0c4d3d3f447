#pragma once

#include <QByteArray>
#include <QString>

namespace morvane::platform {

struct ServedFile {
    enum class Verdict { Serve, Forbidden, NotFound };
    Verdict verdict = Verdict::NotFound;
    QString filePath; // canonical, when served
};

// Maps a request's percent-encoded path ("/test12.htm", "/data/a%20b.txt") to a regular file
// inside root. Dot and empty segments, encoded slashes, backslashes and NUL are forbidden, and
// so is anything whose canonical path (symbolic links followed) leaves the root. Folders are
// never served.
ServedFile resolveServedFile(const QString& root, const QByteArray& encodedPath);

// The Content-Type of a served file, from its extension; application/octet-stream when unknown.
QByteArray contentTypeOf(const QString& fileName);

} // namespace morvane::platform
