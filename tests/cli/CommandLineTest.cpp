#include "CliRunner.h"
#include "ShippedInstallation.h"

#include "catalog/Version.h"

#include <QDir>
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
         {u"html [--runtime] [--markup FORM] KIND"_s, u"wav2au IN.wav OUT.au"_s, u"first-run"_s,
          u"samples"_s, u"-V, --version"_s, u"-v, --verbose"_s}) {
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

} // namespace
