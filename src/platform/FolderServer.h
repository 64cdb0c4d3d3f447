#pragma once

#include <QAbstractHttpServer>
#include <QString>

namespace morvane::platform {

// Serves the regular files of one folder, read-only, to this computer alone: it listens on
// 127.0.0.1 only and answers only requests addressed to 127.0.0.1 or localhost, so that a web
// page of another site cannot reach it through a host name of its own.
class FolderServer final : public QAbstractHttpServer {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FolderServer)

public:
    explicit FolderServer(QObject* parent = nullptr);

    // Listens on a free port chosen by the system; false when that fails.
    bool start();
    // 0 until started.
    quint16 port() const { return m_port; }
    void setRoot(const QString& folder) { m_root = folder; }

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    bool isAddressedToUs(const QHttpServerRequest& request) const;

    QString m_root;
    quint16 m_port = 0;
};

} // namespace morvane::platform
