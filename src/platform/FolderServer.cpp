#include "platform/FolderServer.h"

#include "platform/ServedFiles.h"

#include <QFile>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QTcpSocket>

#include <memory>

namespace morvane::platform {

namespace {

using Status = QHttpServerResponder::StatusCode;
using Method = QHttpServerRequest::Method;

// No answer is ever kept: a new preview must never show an old page or data file.
constexpr char kCacheControl[] = "no-store";

void refuse(QHttpServerResponder& responder, Status status, bool withBody)
{
    const QByteArray body = QByteArray::number(static_cast<int>(status)) + '\n';
    responder.writeStatusLine(status);
    responder.writeHeader("Content-Type", "text/plain");
    responder.writeHeader("Cache-Control", kCacheControl);
    if (status == Status::MethodNotAllowed) {
        responder.writeHeader("Allow", "GET, HEAD");
    }
    responder.writeHeader("Content-Length", QByteArray::number(body.size()));
    responder.writeBody(withBody ? body : QByteArray());
}

// Sends a file a block at a time as the socket drains, so that a large sound file never sits in
// memory whole.
class FileSender final : public QObject {
public:
    FileSender(std::unique_ptr<QFile> file, QTcpSocket* socket)
        : QObject(socket)
        , m_file(std::move(file))
        , m_socket(socket)
    {
        connect(socket, &QTcpSocket::bytesWritten, this, &FileSender::sendMore);
        sendMore();
    }

private:
    static constexpr qint64 kBlock = 64 * 1024;
    static constexpr qint64 kQueued = 4 * kBlock;

    void sendMore()
    {
        while (m_socket->bytesToWrite() < kQueued) {
            const QByteArray block = m_file->read(kBlock);
            if (block.isEmpty()) {
                // A file that shrank or failed under us: the length already sent is a lie, so
                // the client must see the connection break rather than a short file.
                if (!m_file->atEnd()) {
                    m_socket->abort();
                }
                disconnect(m_socket, nullptr, this, nullptr);
                deleteLater();
                return;
            }
            m_socket->write(block);
        }
    }

    std::unique_ptr<QFile> m_file;
    QTcpSocket* m_socket;
};

} // namespace

FolderServer::FolderServer(QObject* parent)
    : QAbstractHttpServer(parent)
{}

bool FolderServer::start()
{
    if (m_port == 0) {
        m_port = listen(QHostAddress::LocalHost, 0);
    }
    return m_port != 0;
}

bool FolderServer::isAddressedToUs(const QHttpServerRequest& request) const
{
    const QByteArray host = request.value("Host").toLower();
    const QByteArray port = ':' + QByteArray::number(m_port);
    return host == "127.0.0.1" + port || host == "localhost" + port;
}

bool FolderServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket)
{
    QHttpServerResponder responder = makeResponder(request, socket);
    const bool head = request.method() == Method::Head;
    if (!isAddressedToUs(request)) {
        refuse(responder, Status::Forbidden, !head);
        return true;
    }
    if (request.method() != Method::Get && !head) {
        refuse(responder, Status::MethodNotAllowed, true);
        return true;
    }
    const ServedFile served =
        resolveServedFile(m_root, request.url().path(QUrl::FullyEncoded).toUtf8());
    auto file = std::make_unique<QFile>(served.filePath);
    if (served.verdict != ServedFile::Verdict::Serve || !file->open(QIODevice::ReadOnly)) {
        refuse(responder,
               served.verdict == ServedFile::Verdict::Forbidden ? Status::Forbidden
                                                                : Status::NotFound,
               !head);
        return true;
    }
    responder.writeStatusLine(Status::Ok);
    responder.writeHeaders({{"Content-Type", contentTypeOf(served.filePath)},
                            {"Cache-Control", kCacheControl},
                            {"X-Content-Type-Options", "nosniff"},
                            {"Content-Length", QByteArray::number(file->size())}});
    responder.writeBody(QByteArray());
    if (!head) {
        new FileSender(std::move(file), socket);
    }
    return true;
}

void FolderServer::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket)
{
    QHttpServerResponder responder = makeResponder(request, socket);
    refuse(responder, Status::NotFound, request.method() != Method::Head);
}

} // namespace morvane::platform
