#pragma once

#include "base/Outcome.h"

#include <QList>
#include <QString>

#include <memory>

namespace morvane::platform {

struct FolderServerState;

// Serves the regular files of folders, read-only, to this computer alone: it listens on
// 127.0.0.1 only and answers only requests addressed to 127.0.0.1 or localhost, so that a web
// page of another site cannot reach it through a host name of its own. Each set of folders has a
// port, and so a web origin, of its own: a page of one set cannot read the files of another.
// Requests are answered on threads of the server's own.
class FolderServer final {
public:
    // Apply to each set's port.
    struct Limits {
        unsigned connections = 32;
        // An idle connection is closed after this long, and so is one whose client stops reading.
        unsigned idleSeconds = 30;
    };

    explicit FolderServer(Limits limits);
    FolderServer();
    ~FolderServer();
    Q_DISABLE_COPY_MOVE(FolderServer)

    // One folder of a set, served at the path of its name; a folder without a name is the whole
    // set.
    struct Mount {
        QString name;
        QString folder;
        friend bool operator==(const Mount&, const Mount&) = default;
    };

    // Serves the folders from now on, on the port that is returned: "/samples/index.htm" is
    // index.htm of the folder named "samples". Each folder is opened here, once, and served from
    // what was opened, wherever its path leads later; see openServedRoot for the folders refused
    // (installation: the folder they must lie in, or empty). The same folders, still the same on
    // the disk, get the same port again, and no set is ever withdrawn, so that every address
    // given stays valid while the server runs. Fails with the message for the user when a folder
    // is refused or no port can be opened.
    Outcome<quint16> serve(const QList<Mount>& site, const QString& installation = QString());

private:
    std::unique_ptr<FolderServerState> m_state;
};

} // namespace morvane::platform
