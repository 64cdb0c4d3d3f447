#include "CliRunner.h"
#include "ShippedInstallation.h"
#include "TestFiles.h"

#include "settings/Presets.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using morvane::test::readTestFile;
using morvane::test::writeTestFile;

class PublishCommand : public ::testing::Test {
protected:
    // The runtime's files as installed, the settings of one kind with a picture.
    void SetUp() override
    {
        morvane::test::stageShippedInstallation(app.path());
        writeTestFile(QDir(app.path()).filePath(u"morvane.ini"_s),
                      "[HexColor]\r\nWidth=120\r\nHeight=40\r\nNoJavaMessage=No Java\r\n"
                      "BackgroundImage=images&sounds/back.gif\r\n");
        writeTestFile(QDir(app.path()).filePath(u"images&sounds/back.gif"_s), "GIF89a");
    }
    QString outFile(const QString& name) const { return QDir(out.path()).filePath(name); }

    QTemporaryDir app;
    QTemporaryDir out;
};

TEST_F(PublishCommand, ReportsWhatItWroteAndReplacesOnlyWhenForced)
{
    const CliRun first =
        runCli(app.path(), {u"publish"_s, u"--markup"_s, u"modern"_s, u"HexColor"_s, out.path()});
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    EXPECT_TRUE(first.out.startsWith(u"hexcolor.html and the files it needs are in "_s));
    EXPECT_TRUE(first.out.contains(u"\nWritten: hexcolor.html, back.gif, morvane-applets.js"_s))
        << first.out.toStdString();
    EXPECT_TRUE(readTestFile(outFile(u"hexcolor.html"_s)).contains("<morvane-applet code="));

    writeTestFile(outFile(u"back.gif"_s), "the author's own");
    const CliRun refused = runCli(app.path(), {u"publish"_s, u"HexColor"_s, out.path()});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.out.isEmpty());
    EXPECT_TRUE(refused.err.contains(u"other files of these names: hexcolor.html, back.gif\n"
                                     u"--force replaces them."_s))
        << refused.err.toStdString();
    EXPECT_EQ(readTestFile(outFile(u"back.gif"_s)), "the author's own");

    const CliRun forced =
        runCli(app.path(), {u"publish"_s, u"--force"_s, u"HexColor"_s, out.path()});
    ASSERT_EQ(forced.exitCode, 0) << forced.err.toStdString();
    EXPECT_TRUE(forced.out.contains(u"\nReplaced: hexcolor.html, back.gif\n"
                                    u"Already there: morvane-applets.js"_s))
        << forced.out.toStdString();
    EXPECT_EQ(readTestFile(outFile(u"back.gif"_s)), "GIF89a");
}

TEST_F(PublishCommand, UsageAndRefusals)
{
    const struct {
        QStringList args;
        int exitCode;
        QString err;
    } cases[] = {
        {{u"HexColor"_s}, 2, u"usage: morvane-cli publish"_s},
        {{u"HexColor"_s, out.path(), u"more"_s}, 2, u"usage: morvane-cli publish"_s},
        {{u"--markup"_s, u"html5"_s, u"HexColor"_s, out.path()},
         2,
         u"morvane-cli publish: --markup takes applet or modern\n"_s},
        {{u"Hexcolor"_s, out.path()}, 2, u"Unknown applet kind: Hexcolor\n"_s},
        {{u"HexColor"_s, u"runtime"_s},
         1,
         u"Can't publish into the folder: runtime (it lies in the folder runtime that Morvane "
         u"serves)\n"_s},
    };
    for (const auto& row : cases) {
        const CliRun run = runCli(app.path(), QStringList{u"publish"_s} + row.args);
        EXPECT_EQ(run.exitCode, row.exitCode) << row.args.join(u' ').toStdString();
        EXPECT_TRUE(run.err.startsWith(row.err)) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
    EXPECT_TRUE(QDir(out.path()).isEmpty());
}

TEST_F(PublishCommand, APresetGivesTheValuesOfBothCommands)
{
    morvane::settings::WorkingCopy values;
    ASSERT_TRUE(morvane::settings::loadKind(app.path(), u"HexColor"_s, values));
    values.common().setText(u"Width"_s, u"300"_s);
    ASSERT_TRUE(morvane::settings::savePreset(app.path(), u"HexColor"_s, u"wide"_s, values));

    const CliRun html = runCli(app.path(), {u"html"_s, u"--preset"_s, u"wide"_s, u"HexColor"_s});
    ASSERT_EQ(html.exitCode, 0) << html.err.toStdString();
    EXPECT_TRUE(html.out.startsWith(u"<applet code=\"HexColor.class\" WIDTH=\"300\""_s));
    const CliRun published =
        runCli(app.path(), {u"publish"_s, u"--preset"_s, u"wide"_s, u"HexColor"_s, out.path()});
    ASSERT_EQ(published.exitCode, 0) << published.err.toStdString();
    EXPECT_TRUE(readTestFile(outFile(u"hexcolor.html"_s)).contains("WIDTH=\"300\""));

    const CliRun missing =
        runCli(app.path(), {u"publish"_s, u"--preset"_s, u"narrow"_s, u"HexColor"_s, out.path()});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_FALSE(missing.err.isEmpty());
    EXPECT_EQ(runCli(app.path(), {u"html"_s, u"HexColor"_s, u"--preset"_s}).exitCode, 2);
}

} // namespace
