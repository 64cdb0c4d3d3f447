#pragma once

#include "base/FolderWalk.h"
#include "base/Outcome.h"

#include <QByteArray>
#include <QString>

namespace morvane::platform {

struct ServedFile {
    enum class Verdict { Serve, Forbidden, NotFound };
    Verdict verdict = Verdict::NotFound;
    QString filePath; // where the opened file is, when served
    Descriptor file;  // open for reading, when served
    qint64 size = 0;
};

// Opens a folder to be served, once: requests are answered from the folder opened here, wherever
// its path leads later. A folder that is a link is refused, and so, when installation is not
// empty, is a folder that does not lie inside it or is reached from it through a link: a link
// in a shared installation could lead anywhere. A link on the way to the installation folder
// itself is the user's choice and followed. The failure names the folder and says why.
Outcome<Descriptor> openServedRoot(const QString& folder, const QString& installation);

// Opens the file inside root (from openServedRoot) that a request's percent-encoded path names
// ("/test12.htm", "/data/a%20b.txt"). Dot and empty segments, encoded slashes, backslashes and
// NUL are forbidden. Symbolic links are followed, but what is checked is the file that was
// opened, never the path: one outside the root is forbidden, whatever link led there or was
// swapped in while it was opened, and anything but a regular file (a folder, a pipe, a device)
// is not found.
ServedFile openServedFile(const Descriptor& root, const QByteArray& encodedPath);

// The Content-Type of a served file, from its extension; application/octet-stream when unknown.
QByteArray contentTypeOf(const QString& fileName);

} // namespace morvane::platform
