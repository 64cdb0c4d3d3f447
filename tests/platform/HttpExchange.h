#pragma once

#include <QByteArray>
#include <QList>

class QTcpSocket;
class QUrl;

// A bare HTTP client for the server's tests: it sends request paths exactly as written, so that
// nothing on the way tidies a path that tries to leave a folder.
namespace morvane::platform {

struct Answer {
    int status = 0; // 0: the connection closed without an answer
    QList<QByteArray> headerLines;
    QByteArray body;

    QByteArray header(const QByteArray& name) const;
};

inline constexpr int kLiveness = 60000; // ms; an upper bound only, never a measure

// Takes the answer at the front of stream into answer (its body cut short when the stream ends
// early); true when it was there whole.
bool takeAnswer(QByteArray* stream, bool head, Answer* answer);

// Everything the server sends until it closes the connection.
QByteArray readToEnd(QTcpSocket& socket);

// Writes bytes on one new connection and returns all that comes back until the server closes.
QByteArray exchange(quint16 port, const QByteArray& bytes);

QByteArray request(const QByteArray& method, const QByteArray& target, const QByteArray& host,
                   const QByteArray& more = {});

// Sends one raw request on a connection of its own.
Answer askServer(quint16 port, const QByteArray& target, const QByteArray& method,
                 const QByteArray& host);

// GET of an address the server gave, addressed to it as a browser would.
Answer fetch(const QUrl& address);

} // namespace morvane::platform
