#include "CliRunner.h"
#include "ShippedInstallation.h"

#include "catalog/Version.h"
#include "settings/FolderLock.h"
#include "settings/SaveJournal.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace morvane;
using namespace Qt::StringLiterals;

namespace {

TEST(CommandLine, HelpListsEveryCommandOnOneLine)
{
    const CliRun help = runCli(QDir::tempPath(), {u"--help"_s});
    ASSERT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith(u"Usage: morvane-cli [OPTION]... COMMAND [ARGUMENT]...\n"_s));
    for (const QString& command :
         {u"html [--runtime] [--markup FORM] [--preset NAME] KIND"_s,
          u"publish [--markup FORM] [--preset NAME] [--force] KIND FOLDER"_s,
          u"wav2au IN.wav OUT.au"_s, u"first-run"_s, u"samples"_s, u"-V, --version"_s,
          u"-v, --verbose"_s}) {
        EXPECT_TRUE(help.out.contains(u"\n  "_s + command + u' '))
            << command.toStdString() << " is not listed";
    }
    EXPECT_EQ(runCli(QDir::tempPath(), {u"-h"_s}).out, help.out);

    const CliRun version = runCli(QDir::tempPath(), {u"--version"_s});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, u"morvane-cli "_s + versionText() + u'\n');
}

TEST(CommandLine, UsageErrorsPointToTheHelp)
{
    const QList<QStringList> wrong{
        {}, {u"frobnicate"_s}, {u"--frob"_s, u"html"_s, u"Stars"_s}, {u"--verbose"_s}};
    for (const QStringList& args : wrong) {
        const CliRun run = runCli(QDir::tempPath(), args);
        EXPECT_EQ(run.exitCode, 2) << args.join(u' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.endsWith(u"Try 'morvane-cli --help' for more information.\n"_s));
    }
}

// The folder named by MORVANE_INSTALL_DIR serves a program started anywhere; the current
// folder, when it holds an installation, comes first.
TEST(CommandLine, TheInstallationFolderIsFoundFromAnUnrelatedFolder)
{
    QTemporaryDir staged;
    QTemporaryDir elsewhere;
    morvane::test::stageShippedInstallation(staged.path());

    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"MORVANE_INSTALL_DIR"_s, staged.path());
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(elsewhere.path());
    process.start(QString::fromUtf8(MORVANE_CLI_PATH), {u"--verbose"_s, u"html"_s, u"Stars"_s});
    ASSERT_TRUE(process.waitForFinished(60000));
    const QString err = QString::fromUtf8(process.readAllStandardError());
    EXPECT_EQ(process.exitCode(), 0) << err.toStdString();
    EXPECT_EQ(err, u"Installation folder: "_s + QDir::toNativeSeparators(staged.path()) + u'\n');
    EXPECT_TRUE(QString::fromUtf8(process.readAllStandardOutput()).startsWith(u"<applet"_s));
    EXPECT_TRUE(QDir(elsewhere.path()).isEmpty());

    QFile::copy(QDir(staged.path()).filePath(u"morvane.ini"_s),
                QDir(elsewhere.path()).filePath(u"morvane.ini"_s));
    process.start(QString::fromUtf8(MORVANE_CLI_PATH), {u"--verbose"_s, u"html"_s, u"Stars"_s});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_TRUE(QString::fromUtf8(process.readAllStandardError())
                    .startsWith(u"Installation folder: "_s +
                                QDir::toNativeSeparators(elsewhere.path()) + u'\n'));
}

// Every file of a folder with its size and time: what a command that wrote would change.
QStringList snapshot(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo file = it.nextFileInfo();
        files.append(file.filePath() + u' ' + QString::number(file.size()) + u' ' +
                     file.lastModified().toString(Qt::ISODateWithMs));
    }
    files.sort();
    return files;
}

// While a program holds the folder, the commands that write into it refuse, naming it, and
// those that only read it still work, leaving even a save in progress to the holder; once it is
// let go, they all do.
TEST(CommandLine, CommandsThatWriteRefuseAFolderAProgramHolds)
{
    QTemporaryDir staged;
    morvane::test::stageShippedInstallation(staged.path());
    QDir(staged.path()).mkpath(u"test"_s);
    ASSERT_TRUE(settings::commitJournal(staged.path(), {{u"morvane.ini"_s, "[Stars]\r\n"}}).ok);
    settings::FolderLock program(staged.path());
    ASSERT_EQ(program.tryLock(), settings::FolderLock::State::Taken);
    const QStringList before = snapshot(staged.path());

    for (const QString& command : {u"first-run"_s, u"samples"_s}) {
        const CliRun refused = runCli(staged.path(), {command});
        EXPECT_EQ(refused.exitCode, 1) << command.toStdString();
        EXPECT_EQ(refused.err, settings::folderInUseMessage(staged.path()) + u'\n');
        EXPECT_TRUE(refused.err.contains(QDir::toNativeSeparators(staged.path())));
    }
    const CliRun html = runCli(staged.path(), {u"html"_s, u"Stars"_s});
    EXPECT_EQ(html.exitCode, 0) << html.err.toStdString();
    EXPECT_TRUE(html.out.startsWith(u"<applet"_s));
    EXPECT_EQ(snapshot(staged.path()), before);

    program.release();
    const CliRun firstRun = runCli(staged.path(), {u"first-run"_s});
    EXPECT_EQ(firstRun.exitCode, 0) << firstRun.err.toStdString();
}

} // namespace
