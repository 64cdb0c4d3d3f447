#include "platform/FolderServer.h"
#include "platform/QtServices.h"

#include <QDir>
#include <QFile>
#include <QNetworkInterface>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace morvane::platform {
namespace {

struct Answer {
    int status = 0; // 0: the connection closed without an answer
    QList<QByteArray> headerLines;
    QByteArray body;

    QByteArray header(const QByteArray& name) const
    {
        for (const QByteArray& line : headerLines) {
            const qsizetype colon = line.indexOf(':');
            if (line.left(colon).trimmed().compare(name, Qt::CaseInsensitive) == 0) {
                return line.mid(colon + 1).trimmed();
            }
        }
        return {};
    }
};

// Parses what has arrived; true once the answer is complete.
bool parse(const QByteArray& received, bool head, Answer* answer)
{
    const qsizetype end = received.indexOf("\r\n\r\n");
    if (end < 0) {
        return false;
    }
    answer->headerLines = received.left(end).split('\n');
    answer->status = answer->headerLines.takeFirst().split(' ').value(1).toInt();
    answer->body = received.mid(end + 4);
    return head || answer->body.size() >= answer->header("Content-Length").toLongLong();
}

// Sends one raw request, so that nothing tidies the path on the way.
Answer askServer(quint16 port, const QByteArray& target, const QByteArray& method,
                 const QByteArray& host)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    socket.write(method + ' ' + target + " HTTP/1.1\r\nHost: " + host +
                 "\r\nConnection: close\r\n\r\n");
    QByteArray received;
    Answer answer;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            received += socket.readAll();
            return parse(received, method == "HEAD", &answer) ||
                   socket.state() == QAbstractSocket::UnconnectedState;
        },
        60000));
    return answer;
}

class FolderServerTest : public ::testing::Test {
protected:
    FolderServerTest()
    {
        QDir(m_dir.path()).mkpath(u"test/sub"_s);
        write(u"secret.txt"_s, "TOP SECRET");
        server.setRoot(root());
        EXPECT_TRUE(server.start());
    }

    QString root() const { return m_dir.filePath(u"test"_s); }
    QString top() const { return m_dir.path(); }
    QString path(const QString& relative) const { return m_dir.filePath(relative); }
    void write(const QString& relative, const QByteArray& bytes) const
    {
        QFile file(path(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray ourHost() const { return "127.0.0.1:" + QByteArray::number(server.port()); }

    Answer ask(const QByteArray& target, const QByteArray& method = "GET",
               const QByteArray& host = {})
    {
        return askServer(server.port(), target, method, host.isEmpty() ? ourHost() : host);
    }

    FolderServer server;

private:
    QTemporaryDir m_dir;
};

TEST_F(FolderServerTest, ServesFilesWithTheirTypesNeverToBeCached)
{
    write(u"test/test12.htm"_s, "<html>page</html>");
    write(u"test/graph.dat"_s, "1,2,3");
    write(u"test/sound.au"_s, ".snd");
    write(u"test/Stars.class"_s, "\xca\xfe");
    write(u"test/sub/Pic One.GIF"_s, "GIF89a");
    ASSERT_TRUE(QFile::link(path(u"test/graph.dat"_s), path(u"test/sub/inside.dat"_s)));

    const struct {
        QByteArray target;
        QByteArray type;
        QByteArray body;
    } cases[] = {
        {"/test12.htm", "text/html; charset=utf-8", "<html>page</html>"},
        {"/test12.htm?again=1", "text/html; charset=utf-8", "<html>page</html>"},
        {"/graph.dat", "text/plain", "1,2,3"},
        {"/sound.au", "audio/basic", ".snd"},
        {"/Stars.class", "application/octet-stream", "\xca\xfe"},
        {"/sub/Pic%20One.GIF", "image/gif", "GIF89a"},
        {"/sub/inside.dat", "text/plain", "1,2,3"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target.toStdString());
        const Answer answer = ask(c.target);
        EXPECT_EQ(answer.status, 200);
        EXPECT_EQ(answer.header("Content-Type"), c.type);
        EXPECT_EQ(answer.header("Cache-Control"), "no-store");
        EXPECT_EQ(answer.body, c.body);
    }

    const Answer head = ask("/test12.htm", "HEAD");
    EXPECT_EQ(head.status, 200);
    EXPECT_EQ(head.header("Content-Length"), "17");
    EXPECT_EQ(head.header("Content-Type"), "text/html; charset=utf-8");
    EXPECT_TRUE(head.body.isEmpty());
}

TEST_F(FolderServerTest, RefusesEveryWayOutOfTheFolder)
{
    write(u"test/page.htm"_s, "page");
    ASSERT_TRUE(QFile::link(path(u"secret.txt"_s), path(u"test/out.txt"_s)));
    ASSERT_TRUE(QFile::link(top(), path(u"test/up"_s)));

    const QByteArray absolute = QDir(path(u"secret.txt"_s)).absolutePath().toUtf8();
    const QByteArray targets[] = {
        "/../secret.txt",
        "/sub/../../secret.txt",
        "/%2e%2e/secret.txt",
        "/%2E%2E%2Fsecret.txt",
        "/sub/..%2f..%2fsecret.txt",
        "/" + absolute,
        "/%2f" + absolute.mid(1),
        "/..\\secret.txt",
        "/..%5csecret.txt",
        "/page.htm%00.txt",
        "/out.txt",
        "/up/secret.txt",
        "http://127.0.0.1/../secret.txt",
    };
    for (const QByteArray& target : targets) {
        SCOPED_TRACE(target.toStdString());
        const Answer answer = ask(target);
        EXPECT_TRUE(answer.status == 403 || answer.status == 404) << answer.status;
        EXPECT_FALSE(answer.body.contains("SECRET"));
    }
}

TEST_F(FolderServerTest, MissingFilesFoldersAndOtherMethods)
{
    write(u"test/sub/a.gif"_s, "GIF");
    EXPECT_EQ(ask("/missing.htm").status, 404);
    const Answer folder = ask("/sub");
    EXPECT_EQ(folder.status, 404);
    EXPECT_FALSE(folder.body.contains("a.gif"));
    EXPECT_EQ(ask("/").status, 403);
    EXPECT_EQ(ask("/missing.htm", "HEAD").status, 404);

    const Answer post = ask("/sub/a.gif", "POST");
    EXPECT_EQ(post.status, 405);
    EXPECT_EQ(post.header("Allow"), "GET, HEAD");
    EXPECT_EQ(ask("/sub/a.gif", "DELETE").status, 405);
    EXPECT_TRUE(QFile::exists(path(u"test/sub/a.gif"_s)));
}

TEST_F(FolderServerTest, ListensAndAnswersOnTheLoopbackAddressOnly)
{
    write(u"test/page.htm"_s, "page");
    for (const QTcpServer* listener : server.servers()) {
        EXPECT_EQ(listener->serverAddress(), QHostAddress(QHostAddress::LocalHost));
    }
    EXPECT_EQ(ask("/page.htm", "GET", "localhost:" + QByteArray::number(server.port())).status,
              200);
    // A page of another site whose host name leads here must not read the folder.
    EXPECT_EQ(
        ask("/page.htm", "GET", "attacker.example:" + QByteArray::number(server.port())).status,
        403);
    EXPECT_EQ(ask("/page.htm", "GET", "127.0.0.1").status, 403);

    for (const QHostAddress& address : QNetworkInterface::allAddresses()) {
        if (address.isLoopback() || address.protocol() != QAbstractSocket::IPv4Protocol) {
            continue;
        }
        QTcpSocket socket;
        socket.connectToHost(address, server.port());
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                return socket.state() != QAbstractSocket::ConnectingState &&
                       socket.state() != QAbstractSocket::HostLookupState;
            },
            60000));
        EXPECT_NE(socket.state(), QAbstractSocket::ConnectedState)
            << address.toString().toStdString();
    }
}

TEST_F(FolderServerTest, SendsALargeFileWhole)
{
    QByteArray bytes;
    for (int block = 0; bytes.size() < 12 * 1024 * 1024; ++block) {
        bytes += QByteArray::number(block) + ' ';
    }
    write(u"test/big.au"_s, bytes);
    const Answer answer = ask("/big.au");
    EXPECT_EQ(answer.status, 200);
    EXPECT_EQ(answer.header("Content-Length").toLongLong(), bytes.size());
    EXPECT_TRUE(answer.body == bytes);
}

TEST(QtPreviewServer, StartsOnceAndServesTheFolderAtTheAddressItGives)
{
    QTemporaryDir dir;
    QFile page(dir.filePath(u"test7.htm"_s));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<html></html>");
    page.close();

    QtPreviewServer preview;
    const QUrl first(preview.addressOf(dir.path(), u"test7.htm"_s));
    EXPECT_EQ(first.scheme(), u"http");
    EXPECT_EQ(first.host(), u"127.0.0.1");
    EXPECT_EQ(first.path(), u"/test7.htm");
    ASSERT_GT(first.port(), 0);
    EXPECT_EQ(QUrl(preview.addressOf(dir.path(), u"test8.htm"_s)).port(), first.port());

    const auto port = static_cast<quint16>(first.port());
    const Answer answer =
        askServer(port, "/test7.htm", "GET", "127.0.0.1:" + QByteArray::number(port));
    EXPECT_EQ(answer.status, 200);
    EXPECT_EQ(answer.body, "<html></html>");
}

} // namespace
} // namespace morvane::platform
