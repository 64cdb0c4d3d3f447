#include "CliRunner.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class HtmlCommand : public ::testing::Test {
protected:
    void write(const QString& relative, const QByteArray& bytes)
    {
        morvane::test::writeTestFile(QDir(app.path()).filePath(relative), bytes);
    }
    QTemporaryDir app;
};

TEST_F(HtmlCommand, PrintsTheCodeThenTheNeededFiles)
{
    write(u"morvane.ini"_s,
          "[HexColor]\r\nWidth=120\r\nHeight=40\r\nNoJavaMessage=No Java\r\n"
          "BackgroundImage=images&sounds/back.gif\r\nOnloadSound=\r\nLoop=yes\r\n");
    write(u"images&sounds/back.gif"_s, "GIF89a");
    write(u"samples/hexcolor/HexColor.class"_s, "\xca\xfe\xba\xbe");
    write(u"samples/hexcolor/Other.CLASS"_s, "");

    const CliRun run = runCli(app.path(), {u"html"_s, u"HexColor"_s});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 6);
    EXPECT_EQ(lines.front(), u"<applet code=\"HexColor.class\" WIDTH=\"120\" HEIGHT=\"40\">");
    EXPECT_EQ(lines.at(2), u"<param name=\"background_image\" value=\"back.gif\">");
    EXPECT_EQ(lines.mid(3), (QStringList{u"No Java"_s, u"</applet>"_s, u"--- needed files"_s,
                                         u"HexColor.class"_s, u"back.gif"_s}));
}

// What follows the generator line of HexColor's code with the runtime asked for.
QStringList runtimeTail(const QString& closing)
{
    return {u"No Java"_s,
            closing,
            u"<script src=\"morvane-applets.js\" defer></script>"_s,
            u"--- needed files"_s,
            u"morvane-applets.js"_s,
            u"morvane-applets.css"_s,
            u"morvane-applets-data.js"_s};
}

TEST_F(HtmlCommand, RuntimeSwitchAddsTheScriptLineAndItsFile)
{
    write(u"morvane.ini"_s, "[HexColor]\r\nWidth=120\r\nHeight=40\r\nNoJavaMessage=No Java\r\n"
                            "[options]\r\nruntime=yes\r\n");
    const CliRun plain = runCli(app.path(), {u"html"_s, u"HexColor"_s});
    ASSERT_EQ(plain.exitCode, 0) << plain.err.toStdString();
    EXPECT_FALSE(plain.out.contains(u"morvane-applets.js"_s));

    const CliRun run = runCli(app.path(), {u"html"_s, u"--runtime"_s, u"HexColor"_s});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.front(), u"<link rel=\"stylesheet\" href=\"morvane-applets.css\">");
    EXPECT_EQ(lines.mid(3), runtimeTail(u"</applet>"_s));
}

TEST_F(HtmlCommand, MarkupSwitchChoosesTheElementsAndRefusesOtherForms)
{
    write(u"morvane.ini"_s, "[HexColor]\r\nWidth=120\r\nHeight=40\r\nNoJavaMessage=No Java\r\n"
                            "[options]\r\nmarkup=modern\r\n");
    const CliRun classic =
        runCli(app.path(), {u"html"_s, u"--markup"_s, u"applet"_s, u"HexColor"_s});
    EXPECT_EQ(classic.out, runCli(app.path(), {u"html"_s, u"HexColor"_s}).out);
    EXPECT_TRUE(classic.out.startsWith(u"<applet code=\"HexColor.class\""_s));

    const CliRun run =
        runCli(app.path(), {u"html"_s, u"--markup"_s, u"modern"_s, u"--runtime"_s, u"HexColor"_s});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 10);
    EXPECT_EQ(lines.at(1), u"<morvane-applet code=\"HexColor.class\" width=\"120\" height=\"40\">");
    EXPECT_TRUE(lines.at(2).startsWith(u"<morvane-param name=\"generator\" value=\"Morvane "_s));
    EXPECT_TRUE(lines.at(2).endsWith(u"\"></morvane-param>"_s));
    EXPECT_EQ(lines.mid(3), runtimeTail(u"</morvane-applet>"_s));

    for (const QStringList& wrong : QList<QStringList>{{u"--markup"_s, u"html5"_s, u"HexColor"_s},
                                                       {u"--markup"_s, u"Modern"_s, u"HexColor"_s},
                                                       {u"HexColor"_s, u"--markup"_s},
                                                       {u"--markup"_s, u"modern"_s}}) {
        const CliRun refused = runCli(app.path(), QStringList{u"html"_s} + wrong);
        EXPECT_EQ(refused.exitCode, 2) << wrong.join(u' ').toStdString();
        EXPECT_TRUE(refused.out.isEmpty());
    }
}

TEST_F(HtmlCommand, ValidationFailureGoesToStderr)
{
    write(u"morvane.ini"_s, "[Zoom]\r\nWidth=0\r\nHeight=40\r\n");
    const CliRun run = runCli(app.path(), {u"html"_s, u"Zoom"_s});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, u"Invalid width\n");
    EXPECT_TRUE(run.out.isEmpty());
}

TEST_F(HtmlCommand, UnknownKindAndBadUsage)
{
    EXPECT_EQ(runCli(app.path(), {u"html"_s, u"zoom"_s}).exitCode, 2);
    EXPECT_EQ(runCli(app.path(), {u"html"_s}).exitCode, 2);
    EXPECT_EQ(runCli(app.path(), {u"frobnicate"_s}).exitCode, 2);
}

} // namespace
