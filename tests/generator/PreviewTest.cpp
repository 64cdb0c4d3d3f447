#include "generator/Preview.h"
#include "TestFiles.h"
#include "generator/NeededFiles.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace morvane;
using namespace morvane::generator;
using namespace Qt::StringLiterals;

namespace {

class FilesTest : public ::testing::Test {
protected:
    QString write(const QString& relative, const QByteArray& bytes)
    {
        morvane::test::writeTestFile(QDir(app.path()).filePath(relative), bytes);
        return relative;
    }
    QStringList filesIn(const QString& relative) const
    {
        return QDir(QDir(app.path()).filePath(relative)).entryList(QDir::Files, QDir::Name);
    }
    QTemporaryDir app;
};

TEST(PreviewPage, FrameAroundTheLines)
{
    const QStringList page = buildPreviewPage(u"Zoom"_s, {u"<applet>"_s, u"</applet>"_s});
    ASSERT_EQ(page.size(), 13);
    EXPECT_EQ(page.at(3), u"<head>");
    EXPECT_EQ(page.at(5), u"<h1 align=\"center\"><u><strong><font color=\"#FFFF00\">Zoom "
                          u"preview</font></strong></u></h1>");
    EXPECT_EQ(page.mid(8, 2), (QStringList{u"<applet>"_s, u"</applet>"_s}));
    EXPECT_EQ(page.last(), u"</html>");
}

TEST(CopiedMessage, SingularPluralAndEmpty)
{
    EXPECT_EQ(copiedFilesMessage({}, u"/site"_s), u" was copied into /site");
    EXPECT_EQ(copiedFilesMessage({u"a.class"_s}, u"/site"_s), u"\"a.class\" was copied into /site");
    EXPECT_EQ(copiedFilesMessage({u"a.class"_s, u"a.class"_s}, u"/s"_s),
              u"\"a.class\", \"a.class\" were copied into /s");
    EXPECT_EQ(copiedFilesMessage({u"odd,name.gif"_s}, u"/s"_s),
              u"\"odd,name.gif\" were copied into /s");
}

TEST_F(FilesTest, NeededFilesClassFilesFirstThenMedia)
{
    write(u"samples/fade/Fade.class"_s, "x");
    write(u"samples/fade/Fade$1.class"_s, "x");
    write(u"samples/fade/Fade.CLASS"_s, "x");
    const QStringList media{write(u"pics/a.jpg"_s, "a"), u"pics/a.jpg"_s};
    EXPECT_EQ(neededFileNames(app.path(), u"Fade"_s, media),
              (QStringList{u"Fade$1.class"_s, u"Fade.class"_s, u"a.jpg"_s, u"a.jpg"_s}));

    write(u"site/.keep"_s, "");
    const Outcome<QStringList> copied = copyNeededFiles(app.path(), u"Fade"_s, media, u"site"_s);
    ASSERT_TRUE(copied.ok()) << copied.message().toStdString();
    EXPECT_EQ(copied->size(), 4);
    EXPECT_EQ(filesIn(u"site"_s), (QStringList{u"Fade$1.class"_s, u"Fade.class"_s, u"a.jpg"_s}));
}

TEST_F(FilesTest, CopyOntoItselfIsRefusedAndTheSourceStays)
{
    write(u"samples/stars/Stars.class"_s, "bytecode");
    const Result result =
        copyFileIntoFolder(u"samples/stars/Stars.class"_s, u"samples/stars"_s, app.path());
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.message.startsWith(u"Can't create the file: "_s));
    QFile source(QDir(app.path()).filePath(u"samples/stars/Stars.class"_s));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    EXPECT_EQ(source.readAll(), QByteArray("bytecode"));
}

TEST_F(FilesTest, CopyFailuresNameTheFile)
{
    Result result = copyFileIntoFolder(u"nowhere.gif"_s, app.path(), app.path());
    EXPECT_EQ(result.message, u"Can't open the file: "_s +
                                  QDir(app.path()).filePath(u"nowhere.gif"_s) +
                                  u" (No such file or directory)"_s);
    write(u"a.gif"_s, "a");
    result = copyFileIntoFolder(u"a.gif"_s, u"no/such/folder"_s, app.path());
    EXPECT_TRUE(result.message.startsWith(u"Can't create the file: "_s));
}

TEST_F(FilesTest, TwoPreviewsLeaveOnlyTheSecondAndWhatTheUserPutThere)
{
    write(u"test/mine.txt"_s, "user file");
    QDir(app.path()).mkpath(u"test/keep-me"_s);
    write(u"samples/zoom/Zoom.class"_s, "z");
    write(u"samples/stars/Stars.class"_s, "s");
    const QString image = write(u"pics/river.jpg"_s, "r");

    Outcome<QString> first = preparePreview(app.path(), u"Zoom"_s, {u"<applet>"_s}, {image});
    ASSERT_TRUE(first.ok()) << first.message().toStdString();
    Outcome<QString> second = preparePreview(app.path(), u"Stars"_s, {u"<applet>"_s}, {});
    ASSERT_TRUE(second.ok());
    EXPECT_TRUE(second->contains(QRegularExpression(u"^test(0|[1-9][0-9]{0,3})\\.htm$"_s)));
    EXPECT_EQ(filesIn(u"test"_s), (QStringList{u"Stars.class"_s, u"mine.txt"_s, second.value()}));
    EXPECT_TRUE(QDir(app.path()).exists(u"test/keep-me"_s));
}

TEST_F(FilesTest, AMissingTestFolderIsMade)
{
    const Outcome<QString> preview = preparePreview(app.path(), u"Zoom"_s, {}, {});
    ASSERT_TRUE(preview.ok()) << preview.message().toStdString();
    EXPECT_EQ(filesIn(u"test"_s), QStringList{preview.value()});
}

} // namespace
