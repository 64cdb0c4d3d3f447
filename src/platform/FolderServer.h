#pragma once

#include <QList>
#include <QString>

#include <memory>

namespace morvane::platform {

struct FolderServerState;

// Serves the regular files of folders, read-only, to this computer alone: it listens on
// 127.0.0.1 only and answers only requests addressed to 127.0.0.1 or localhost, so that a web
// page of another site cannot reach it through a host name of its own. Requests are answered on
// a thread of the server's own.
class FolderServer final {
public:
    struct Limits {
        unsigned connections = 32;
        // An idle connection is closed after this long, and so is one whose client stops reading.
        unsigned idleSeconds = 30;
    };

    explicit FolderServer(Limits limits);
    FolderServer();
    ~FolderServer();
    Q_DISABLE_COPY_MOVE(FolderServer)

    // Listens on a free port chosen by the system; false when that fails.
    bool start();
    // 0 until started.
    quint16 port() const;
    // One folder of a site, served at the site's path followed by its name; a folder without a
    // name is the whole site.
    struct Mount {
        QString name;
        QString folder;
        friend bool operator==(const Mount&, const Mount&) = default;
    };

    // Serves the folders from the next request on, under the path that is returned ("/2/"):
    // "/2/samples/index.htm" is index.htm of the folder named "samples". The same folders get the
    // same path again, and no site is ever withdrawn, so that every address given stays valid
    // while the server runs. May be called while requests are being answered.
    QString serve(const QList<Mount>& site);

private:
    std::unique_ptr<FolderServerState> m_state;
};

} // namespace morvane::platform
