#include "HttpExchange.h"

#include <QDeadlineTimer>
#include <QTcpSocket>
#include <QUrl>

#include <gtest/gtest.h>

namespace morvane::platform {

QByteArray Answer::header(const QByteArray& name) const
{
    for (const QByteArray& line : headerLines) {
        const qsizetype colon = line.indexOf(':');
        if (line.left(colon).trimmed().compare(name, Qt::CaseInsensitive) == 0) {
            return line.mid(colon + 1).trimmed();
        }
    }
    return {};
}

bool takeAnswer(QByteArray* stream, bool head, Answer* answer)
{
    const qsizetype end = stream->indexOf("\r\n\r\n");
    if (end < 0) {
        return false;
    }
    answer->headerLines = stream->left(end).split('\n');
    answer->status = answer->headerLines.takeFirst().split(' ').value(1).toInt();
    const qint64 length = head ? 0 : answer->header("Content-Length").toLongLong();
    answer->body = stream->mid(end + 4, length);
    stream->remove(0, end + 4 + answer->body.size());
    return answer->body.size() == length;
}

// The server answers on a thread of its own, so the client may wait without an event loop.
QByteArray readToEnd(QTcpSocket& socket)
{
    QByteArray received;
    const QDeadlineTimer deadline(kLiveness);
    while (socket.state() != QAbstractSocket::UnconnectedState && !deadline.hasExpired()) {
        socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
        received += socket.readAll();
    }
    EXPECT_FALSE(deadline.hasExpired()) << "the connection stayed open";
    return received + socket.readAll();
}

QByteArray exchange(quint16 port, const QByteArray& bytes)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    EXPECT_TRUE(socket.waitForConnected(kLiveness));
    socket.write(bytes);
    return readToEnd(socket);
}

QByteArray request(const QByteArray& method, const QByteArray& target, const QByteArray& host,
                   const QByteArray& more)
{
    return method + ' ' + target + " HTTP/1.1\r\nHost: " + host + "\r\n" + more + "\r\n";
}

Answer askServer(quint16 port, const QByteArray& target, const QByteArray& method,
                 const QByteArray& host)
{
    QByteArray received = exchange(port, request(method, target, host, "Connection: close\r\n"));
    Answer answer;
    takeAnswer(&received, method == "HEAD", &answer);
    return answer;
}

Answer fetch(const QUrl& address)
{
    const auto port = static_cast<quint16>(address.port());
    return askServer(port, address.path(QUrl::FullyEncoded).toUtf8(), "GET",
                     "127.0.0.1:" + QByteArray::number(port));
}

} // namespace morvane::platform
