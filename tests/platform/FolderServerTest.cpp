#include "HttpExchange.h"

#include "platform/FolderServer.h"
#include "platform/QtServices.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkInterface>
#include <QSet>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace morvane::platform {
namespace {

QByteArray pattern(qsizetype size)
{
    QByteArray bytes;
    for (int block = 0; bytes.size() < size; ++block) {
        bytes += QByteArray::number(block) + ' ';
    }
    return bytes;
}

class FolderServerTest : public ::testing::Test {
protected:
    FolderServerTest()
    {
        QDir(m_dir.path()).mkpath(u"test/sub"_s);
        write(u"secret.txt"_s, "TOP SECRET");
        const Outcome<quint16> served = server.serve({FolderServer::Mount{QString(), root()}});
        EXPECT_TRUE(served.ok()) << served.message().toStdString();
        port = served.valueOr(0);
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
    QByteArray ourHost() const { return "127.0.0.1:" + QByteArray::number(port); }

    Answer ask(const QByteArray& target, const QByteArray& method = "GET",
               const QByteArray& host = {})
    {
        return askServer(port, target, method, host.isEmpty() ? ourHost() : host);
    }

private:
    QTemporaryDir m_dir;

protected:
    FolderServer server;
    quint16 port = 0;
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
    // Opening a pipe for reading would wait for a writer that never comes.
    ASSERT_EQ(::mkfifo(QFile::encodeName(path(u"test/pipe.au"_s)).constData(), 0600), 0);
    EXPECT_EQ(ask("/pipe.au").status, 404);

    const Answer post = ask("/sub/a.gif", "POST");
    EXPECT_EQ(post.status, 405);
    EXPECT_EQ(post.header("Allow"), "GET, HEAD");
    EXPECT_EQ(ask("/sub/a.gif", "DELETE").status, 405);
    EXPECT_TRUE(QFile::exists(path(u"test/sub/a.gif"_s)));
}

TEST_F(FolderServerTest, ListensAndAnswersOnTheLoopbackAddressOnly)
{
    write(u"test/page.htm"_s, "page");
    EXPECT_EQ(ask("/page.htm", "GET", "localhost:" + QByteArray::number(port)).status, 200);
    // A page of another site whose host name leads here must not read the folder.
    EXPECT_EQ(ask("/page.htm", "GET", "attacker.example:" + QByteArray::number(port)).status, 403);
    EXPECT_EQ(ask("/page.htm", "GET", "127.0.0.1").status, 403);

    // Other loopback addresses too: a server bound to every address would answer there.
    QList<QHostAddress> others = {QHostAddress(u"127.0.0.2"_s), QHostAddress::LocalHostIPv6};
    for (const QHostAddress& address : QNetworkInterface::allAddresses()) {
        if (!address.isLoopback()) {
            others.append(address);
        }
    }
    for (const QHostAddress& address : others) {
        QTcpSocket socket;
        socket.connectToHost(address, port);
        EXPECT_FALSE(socket.waitForConnected(kLiveness)) << address.toString().toStdString();
    }
}

TEST_F(FolderServerTest, SendsALargeFileWhole)
{
    const QByteArray bytes = pattern(12 * 1024 * 1024);
    write(u"test/big.au"_s, bytes);
    const Answer answer = ask("/big.au");
    EXPECT_EQ(answer.status, 200);
    EXPECT_EQ(answer.header("Content-Length").toLongLong(), bytes.size());
    EXPECT_TRUE(answer.body == bytes);
}

TEST_F(FolderServerTest, AnswersRequestsSentTogetherInTurnAndClosesWhenAsked)
{
    const QByteArray big = pattern(8 * 1024 * 1024);
    write(u"test/big.au"_s, big);
    write(u"test/small.txt"_s, "small");
    const QByteArray host = ourHost();
    const QByteArray close = "Connection: close\r\n";

    const struct {
        const char* name;
        QByteArray sent;
        QList<bool> heads;        // one per answer expected, in order
        QList<QByteArray> bodies; // for HEAD, the Content-Length instead
    } cases[] = {
        {"two GETs",
         request("GET", "/big.au", host) + request("GET", "/small.txt", host, close),
         {false, false},
         {big, "small"}},
        {"HEAD then GET",
         request("HEAD", "/big.au", host) + request("GET", "/small.txt", host, close),
         {true, false},
         {QByteArray::number(big.size()), "small"}},
        {"close asked first",
         request("GET", "/small.txt", host, close) + request("GET", "/big.au", host, close),
         {false},
         {"small"}},
        {"HTTP/1.0 closes by default",
         "GET /small.txt HTTP/1.0\r\nHost: " + host + "\r\n\r\n" +
             request("GET", "/big.au", host, close),
         {false},
         {"small"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QByteArray received = exchange(port, c.sent);
        for (qsizetype i = 0; i < c.heads.size(); ++i) {
            Answer answer;
            ASSERT_TRUE(takeAnswer(&received, c.heads[i], &answer)) << "answer " << i;
            EXPECT_EQ(answer.status, 200);
            if (c.heads[i]) {
                EXPECT_EQ(answer.header("Content-Length"), c.bodies[i]);
            } else {
                EXPECT_TRUE(answer.body == c.bodies[i]) << "answer " << i;
            }
        }
        EXPECT_TRUE(received.isEmpty()) << received.left(80).toStdString();
    }
}

TEST_F(FolderServerTest, ClosesIdleConnectionsAndOnlyThenServesOneBeyondTheLimit)
{
    FolderServer quick(FolderServer::Limits{3, 1});
    const quint16 quickPort = quick.serve({FolderServer::Mount{QString(), root()}}).valueOr(0);
    ASSERT_NE(quickPort, 0);
    const QByteArray page = "/page.htm";
    write(u"test/page.htm"_s, "page");
    const QByteArray host = "127.0.0.1:" + QByteArray::number(quickPort);

    const struct {
        const char* name;
        QByteArray sent;
        int status; // 0: no answer
    } idle[] = {
        {"silent", "", 0},
        {"half a request", "GET " + page + " HTTP/1.1\r\nHost: " + host + "\r\n", 0},
        {"answered, then idle", request("GET", page, host), 200},
    };
    std::vector<std::unique_ptr<QTcpSocket>> sockets;
    for (const auto& c : idle) {
        sockets.push_back(std::make_unique<QTcpSocket>());
        sockets.back()->connectToHost(QHostAddress::LocalHost, quickPort);
        ASSERT_TRUE(sockets.back()->waitForConnected(kLiveness));
        sockets.back()->write(c.sent);
        ASSERT_TRUE(sockets.back()->waitForBytesWritten(kLiveness) || c.sent.isEmpty());
    }

    const QByteArray beyond =
        exchange(quickPort, request("GET", page, host, "Connection: close\r\n"));
    EXPECT_TRUE(beyond.startsWith("HTTP/1.1 200 ")) << beyond.toStdString();
    int closedBefore = 0;
    for (const auto& socket : sockets) {
        socket->waitForReadyRead(0);
        closedBefore += socket->state() == QAbstractSocket::UnconnectedState ? 1 : 0;
    }
    EXPECT_GT(closedBefore, 0);

    for (size_t i = 0; i < sockets.size(); ++i) {
        SCOPED_TRACE(idle[i].name);
        QByteArray received = readToEnd(*sockets[i]);
        Answer answer;
        takeAnswer(&received, false, &answer);
        EXPECT_EQ(answer.status, idle[i].status);
    }
}

qint64 residentBytes()
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').value(0).toLongLong() * 1024;
        }
    }
    return -1;
}

TEST_F(FolderServerTest, RefusesARequestBodyWithoutReadingIt)
{
    write(u"test/page.htm"_s, "page");
    const qint64 before = residentBytes();
    const QByteArray announced = "Content-Length: 1073741824\r\n";
    const QByteArray sent = QByteArray(4 * 1024 * 1024, 'x');
    const struct {
        QByteArray method;
        int status;
    } cases[] = {{"POST", 405}, {"PUT", 405}, {"GET", 200}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.method.toStdString());
        QByteArray received =
            exchange(port, request(c.method, "/page.htm", ourHost(), announced) + sent);
        Answer answer;
        EXPECT_TRUE(takeAnswer(&received, false, &answer));
        EXPECT_EQ(answer.status, c.status);
        EXPECT_TRUE(received.isEmpty());
    }
    if (before > 0) {
        EXPECT_LT(residentBytes() - before, 64 * 1024 * 1024);
    }
}

TEST_F(FolderServerTest, BreaksTheConnectionWhenTheFileShrinksWhileSent)
{
    // Larger than what the socket buffers of both ends can hold, so that most of it is still
    // to be read from the file when it shrinks.
    const qint64 size = 32 * 1024 * 1024;
    write(u"test/big.au"_s, QByteArray(size, 'b'));
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    ASSERT_TRUE(socket.waitForConnected(kLiveness));
    socket.write(request("GET", "/big.au", ourHost()));
    ASSERT_TRUE(socket.waitForReadyRead(kLiveness));
    ASSERT_TRUE(QFile::resize(path(u"test/big.au"_s), 0));

    QByteArray received = readToEnd(socket);
    Answer answer;
    EXPECT_FALSE(takeAnswer(&received, false, &answer));
    EXPECT_EQ(answer.status, 200);
    EXPECT_EQ(answer.header("Content-Length").toLongLong(), size);
    EXPECT_LT(answer.body.size(), size);
}

TEST_F(FolderServerTest, NeverServesAFileOutsideWhileAFolderIsSwappedForALink)
{
    namespace fs = std::filesystem;
    write(u"test/sub/secret.txt"_s, "inside");
    const fs::path sub = path(u"test/sub"_s).toStdString();
    const fs::path away = path(u"test/away"_s).toStdString();
    const fs::path outside = top().toStdString();

    std::atomic<bool> stop = false;
    std::thread swapper([&] {
        std::error_code ignored;
        while (!stop) {
            fs::rename(sub, away, ignored);
            fs::create_directory_symlink(outside, sub, ignored);
            fs::remove(sub, ignored);
            fs::rename(away, sub, ignored);
        }
    });
    int leaks = 0;
    for (int i = 0; i < 3000; ++i) {
        const Answer answer = ask("/sub/secret.txt");
        leaks += answer.body.contains("SECRET") ? 1 : 0;
    }
    stop = true;
    swapper.join();
    EXPECT_EQ(leaks, 0);
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The preview, a live pane and the samples each keep a page open in the browser: serving one
// must not take the others' files away, nor let one read another's.
TEST(QtPreviewServer, GivesEachSetOfFoldersAnOriginOfItsOwnThatStaysValid)
{
    QTemporaryDir dir;
    QTemporaryDir elsewhere;
    writeFile(dir.filePath(u"test/test7.htm"_s), "test page");
    writeFile(elsewhere.filePath(u"live/live page.htm"_s), "live page");
    writeFile(dir.filePath(u"samples/Fade/fade.htm"_s), "sample page");
    writeFile(dir.filePath(u"runtime/morvane-applets.js"_s), "runtime");
    writeFile(dir.filePath(u"morvane.ini"_s), "SECRET");

    QtPreviewServer preview;
    const auto addressOf = [&](const PreviewServer::Site& site, const QString& fileName) {
        const Outcome<QString> address = preview.addressOf(site, fileName);
        EXPECT_TRUE(address.ok()) << address.message().toStdString();
        return QUrl(address.valueOr(QString()));
    };
    const PreviewServer::Site testSite{{dir.filePath(u"test"_s)}, dir.path()};
    const QUrl test = addressOf(testSite, u"test7.htm"_s);
    EXPECT_EQ(test.toString(), u"http://127.0.0.1:%1/test7.htm"_s.arg(test.port()));
    const QUrl live = addressOf({{elsewhere.filePath(u"live"_s)}, QString()}, u"live page.htm"_s);
    const QUrl sample =
        addressOf({{dir.filePath(u"samples"_s), dir.filePath(u"runtime"_s)}, dir.path()},
                  u"samples/Fade/fade.htm"_s);
    EXPECT_EQ(addressOf(testSite, u"test7.htm"_s), test);
    EXPECT_EQ(QSet<int>({test.port(), live.port(), sample.port()}).size(), 3);

    const auto on = [](const QUrl& address, const QUrl& origin) {
        QUrl moved = address;
        moved.setPort(origin.port());
        return moved;
    };
    const struct {
        QUrl address;
        int status;
        QByteArray body;
    } cases[] = {
        {test, 200, "test page"},
        {live, 200, "live page"},
        {sample, 200, "sample page"},
        {sample.resolved(QUrl(u"../../runtime/morvane-applets.js"_s)), 200, "runtime"},
        {sample.resolved(QUrl(u"../../morvane.ini"_s)), 404, {}},
        {test.resolved(QUrl(u"../morvane.ini"_s)), 404, {}},
        {on(sample, test), 404, {}},
        {on(test, sample), 404, {}},
        {on(live, test), 404, {}},
        {on(sample.resolved(QUrl(u"../../runtime/morvane-applets.js"_s)), live), 404, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.address.toString().toStdString());
        const Answer answer = fetch(c.address);
        EXPECT_EQ(answer.status, c.status);
        if (c.status == 200) {
            EXPECT_EQ(answer.body, c.body);
        }
    }
}

// A served folder is the folder that was there when it was first served: a link planted in its
// place before is refused, one swapped in after is never followed.
TEST(QtPreviewServer, ServesNoFolderALinkLeadsTo)
{
    using Plant = std::function<void(const QDir& app, const QString& decoy)>;
    const auto replaceByLink = [](const QString& name, bool toDecoy) {
        return [name, toDecoy](const QDir& app, const QString& decoy) {
            if (app.exists(name)) {
                ASSERT_TRUE(QDir(app).rename(name, u"held"_s));
            }
            ASSERT_TRUE(QFile::link(toDecoy ? decoy : app.path(), app.filePath(name)));
        };
    };
    const struct {
        const char* name;
        Plant before; // the serving
        QStringList folders;
        bool inInstallation;
        QString refusal; // %1: the installation folder; empty when served
        Plant after;
    } rows[] = {
        {"test -> .",
         replaceByLink(u"test"_s, false),
         {u"test"_s},
         true,
         u"The folder \"%1/test\" is not served: it is a link."_s,
         {}},
        {"samples -> .",
         replaceByLink(u"samples"_s, false),
         {u"samples"_s, u"runtime"_s},
         true,
         u"The folder \"%1/samples\" is not served: it is a link."_s,
         {}},
        {"through a link",
         replaceByLink(u"up"_s, false),
         {u"up/test"_s},
         true,
         u"The folder \"%1/up/test\" is not served: \"%1/up\" is a link."_s,
         {}},
        {"own folder a link",
         replaceByLink(u"test"_s, true),
         {u"test"_s},
         false,
         u"The folder \"%1/test\" is not served: it is a link."_s,
         {}},
        {"swapped after", {}, {u"test"_s}, true, {}, replaceByLink(u"test"_s, true)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir app;
        QTemporaryDir decoy;
        const QDir appDir(app.path());
        writeFile(appDir.filePath(u"morvane.ini"_s), "[options] SECRET");
        writeFile(appDir.filePath(u"cfg/pass.txt"_s), "SECRET");
        writeFile(appDir.filePath(u"test/page.htm"_s), "held page");
        writeFile(appDir.filePath(u"samples/index.htm"_s), "samples");
        writeFile(appDir.filePath(u"runtime/morvane-applets.js"_s), "runtime");
        writeFile(QDir(decoy.path()).filePath(u"page.htm"_s), "DECOY SECRET");
        if (row.before) {
            row.before(appDir, decoy.path());
        }
        PreviewServer::Site site{{}, row.inInstallation ? app.path() : QString()};
        for (const QString& folder : row.folders) {
            site.folders.append(appDir.filePath(folder));
        }
        const QString page = site.folders.size() == 1 ? u"page.htm"_s : u"samples/index.htm"_s;

        QtPreviewServer preview;
        const Outcome<QString> address = preview.addressOf(site, page);
        if (!row.refusal.isEmpty()) {
            EXPECT_EQ(address.message(), row.refusal.arg(app.path()));
            continue;
        }
        ASSERT_TRUE(address.ok()) << address.message().toStdString();
        row.after(appDir, decoy.path());
        const QUrl url(address.value());
        for (const QString& file : {u"page.htm"_s, u"morvane.ini"_s, u"cfg/pass.txt"_s}) {
            SCOPED_TRACE(file.toStdString());
            const Answer answer = fetch(url.resolved(QUrl(file)));
            EXPECT_FALSE(answer.body.contains("SECRET"));
            EXPECT_EQ(answer.status, file == u"page.htm" ? 200 : 404);
        }
        EXPECT_EQ(preview.addressOf(site, page).message(),
                  u"The folder \"%1/test\" is not served: it is a link."_s.arg(app.path()));
    }
}

} // namespace
} // namespace morvane::platform
