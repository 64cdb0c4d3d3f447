#include "UiTestSupport.h"

#include "settings/FolderLock.h"
#include "ui/Startup.h"

#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace morvane::ui::test {
namespace {

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

// The holder answers a request to come to the front, and nothing else.
TEST(SecondStart, TheHolderComesToTheFrontWhenAsked)
{
    QTemporaryDir folder;
    FolderOwner owner(folder.path());
    ASSERT_TRUE(owner.listen());
    QSignalSpy raised(&owner, &FolderOwner::raiseRequested);

    const struct {
        const char* name;
        QByteArray request;
        int raises;
    } kRequests[] = {{"raise", "raise\n", 1}, {"other", "quit\n", 0}, {"cut short", "rai", 0}};
    for (const auto& request : kRequests) {
        SCOPED_TRACE(request.name);
        raised.clear();
        QLocalSocket caller;
        caller.connectToServer(FolderOwner::addressOf(folder.path() + u"/."_s));
        ASSERT_TRUE(caller.waitForConnected(5000));
        caller.write(request.request);
        caller.flush();
        // The holder hangs up once it has a whole request, and waits for the rest of one cut.
        const bool hungUp =
            QTest::qWaitFor([&] { return caller.state() == QLocalSocket::UnconnectedState; }, 500);
        EXPECT_EQ(hungUp, request.request.endsWith('\n'));
        EXPECT_EQ(raised.size(), request.raises);
    }
}

// A holder that does not answer, such as the command-line tool, is waited for, then the start
// gives up; a free folder is taken.
TEST(SecondStart, AHolderThatNeverAnswersIsWaitedForThenRefused)
{
    QTemporaryDir folder;
    settings::FolderLock tool(folder.path());
    ASSERT_EQ(tool.tryLock(), settings::FolderLock::State::Taken);
    settings::FolderLock lock(folder.path());
    FolderOwner owner(folder.path());
    EXPECT_EQ(claimFolder(lock, owner, 300ms), FolderClaim::InUse);
    EXPECT_FALSE(lock.isTaken());

    tool.release();
    EXPECT_EQ(claimFolder(lock, owner, 300ms), FolderClaim::Owner);
    EXPECT_TRUE(lock.isTaken());
    EXPECT_FALSE(askOwnerToRaise(QTemporaryDir().path(), 300ms));
}

// The program started again on a folder it works in (a double click too many) brings the first
// window forward and ends at once, opening none of its own.
TEST(SecondStart, ASecondProgramOnTheFolderHandsOverAndEnds)
{
    InstallDir install;
    settings::FolderLock lock(install.path());
    FolderOwner owner(install.path());
    ASSERT_EQ(claimFolder(lock, owner, 0ms), FolderClaim::Owner);
    QSignalSpy raised(&owner, &FolderOwner::raiseRequested);
    const QString before = install.read(u"morvane.ini"_s);

    QProcess second;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"MORVANE_INSTALL_DIR"_s);
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    second.setProcessEnvironment(environment);
    second.setWorkingDirectory(install.path());
    second.start(QString::fromUtf8(MORVANE_GUI_PATH), {});
    ASSERT_TRUE(second.waitForStarted(10000));
    const bool ended =
        QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 60000);
    if (!ended) {
        second.kill();
        second.waitForFinished(5000);
    }
    ASSERT_TRUE(ended);
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
    EXPECT_EQ(raised.size(), 1);
    EXPECT_EQ(install.read(u"morvane.ini"_s), before);
    EXPECT_TRUE(lock.isTaken());
}

} // namespace
} // namespace morvane::ui::test
