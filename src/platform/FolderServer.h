#pragma once

#include <QString>

#include <memory>

namespace morvane::platform {

struct FolderServerState;

// Serves the regular files of one folder, read-only, to this computer alone: it listens on
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
    // Takes effect from the next request on; may be called while requests are being answered.
    void setRoot(const QString& folder);

private:
    std::unique_ptr<FolderServerState> m_state;
};

} // namespace morvane::platform
