#include "UiTestSupport.h"

#include "ui/html/HtmlWindow.h"

#include <QDir>
#include <QFile>
#include <QLabel>

namespace morvane::ui::test {
namespace {

using namespace Qt::StringLiterals;

class HtmlWindowTest : public ::testing::Test {
protected:
    HtmlWindowTest()
        : destination(u"/start"_s)
        , window(fakes.services(), destination)
    {
        install.write(u"samples/Zoom/Zoom.class"_s, "zoom");
        install.write(u"samples/Zoom/Lens.class"_s, "lens");
        install.write(u"samples/Zoom/Big.CLASS"_s, "big");
        install.write(u"media/a.jpg"_s, "a");
        install.write(u"media/b.au"_s, "b");
        QDir().mkpath(install.file(u"site"_s));
    }

    void show(const QStringList& media, const QString& kind = u"Zoom"_s)
    {
        window.setContent(install.path(), kind, lines, media);
    }

    InstallDir install;
    platform::FakeServices fakes;
    QString destination;
    HtmlWindow window;
    QStringList lines{u"<applet code=\"Zoom.class\">"_s, u"</applet>"_s};
};

TEST_F(HtmlWindowTest, ShowsTheNeededFilesAndTheHtml)
{
    show({install.file(u"media/a.jpg"_s), u"media/b.au"_s});
    EXPECT_EQ(window.neededFiles(),
              (QStringList{u"Lens.class"_s, u"Zoom.class"_s, u"a.jpg"_s, u"b.au"_s}));
    EXPECT_EQ(window.htmlText(), lines.join(u'\n'));
}

TEST_F(HtmlWindowTest, WarnsThatAPasswordFileProtectsNothingOnlyWhenOneIsNeeded)
{
    install.write(u"media/pass.txt"_s, "guest welcome members.html");
    const auto* warning = window.findChild<QLabel*>(u"openFileWarning"_s);
    ASSERT_NE(warning, nullptr);
    show({install.file(u"media/pass.txt"_s)}, u"LoginBox"_s);
    EXPECT_FALSE(warning->isHidden());
    EXPECT_TRUE(warning->text().contains(u"protects nothing"_s));
    show({install.file(u"media/a.jpg"_s)});
    EXPECT_TRUE(warning->isHidden());
}

TEST_F(HtmlWindowTest, CopiesTheLinesJoinedByCrLf)
{
    show({});
    window.copyIntoClipboard();
    EXPECT_EQ(fakes.clipboard.text(), u"<applet code=\"Zoom.class\">\r\n</applet>");
}

TEST_F(HtmlWindowTest, SavesAsTextWithTheExtensionRule)
{
    show({});
    fakes.files.setNextFileName(install.file(u"site/code"_s));
    window.saveAsText();
    EXPECT_EQ(install.read(u"site/code.txt"_s), u"<applet code=\"Zoom.class\">\r\n</applet>\r\n");
    EXPECT_EQ(fakes.files.calls().constFirst().initialFolder, u"/start");
    EXPECT_EQ(fakes.files.calls().constFirst().filter, u"Text files (*.txt)|*.TXT");
    EXPECT_EQ(destination, install.file(u"site"_s));

    fakes.files.setNextFileName(install.file(u"site/my.txt.old"_s));
    window.saveAsText();
    EXPECT_TRUE(QFile::exists(install.file(u"site/my.txt.old"_s)));
    EXPECT_EQ(fakes.files.calls().constLast().initialFolder, install.file(u"site"_s));
}

TEST_F(HtmlWindowTest, SavesThePreviewPage)
{
    show({});
    fakes.files.setNextFileName(install.file(u"site/page.htm"_s));
    window.savePreviewPage();
    const QStringList page = install.read(u"site/page.htm.html"_s).split(u"\r\n"_s);
    ASSERT_EQ(page.size(), 11 + lines.size() + 1);
    EXPECT_EQ(page[5], u"<h1 align=\"center\"><u><strong><font color=\"#FFFF00\">Zoom preview"
                       "</font></strong></u></h1>");
    EXPECT_EQ(page[8], lines[0]);
    EXPECT_EQ(fakes.files.calls().constFirst().filter, u"HTML files (*.html, *.htm)|*.HTML;*.HTM");
}

TEST_F(HtmlWindowTest, CancelledDialogsChangeNothing)
{
    show({});
    window.saveAsText();
    window.savePreviewPage();
    window.saveNeededFilesInto();
    EXPECT_EQ(fakes.files.calls().size(), 3);
    EXPECT_TRUE(fakes.messages.shown().isEmpty());
    EXPECT_EQ(destination, u"/start");
}

TEST_F(HtmlWindowTest, AFileThatCannotBeCreatedIsReported)
{
    show({});
    const QString missing = install.file(u"nowhere/code.txt"_s);
    fakes.files.setNextFileName(missing);
    window.saveAsText();
    ASSERT_EQ(fakes.messages.errors().size(), 1);
    EXPECT_TRUE(fakes.messages.errors().constFirst().startsWith(u"Can't create the file: "_s +
                                                                missing + u" ("_s));
    EXPECT_EQ(destination, u"/start");
}

TEST_F(HtmlWindowTest, CopiesTheNeededFilesAndSaysSo)
{
    const QString media = install.file(u"media/a.jpg"_s);
    show({media, media});
    const QString site = install.file(u"site"_s);
    fakes.files.setNextFolder(site);
    window.saveNeededFilesInto();
    EXPECT_EQ(fakes.files.calls().constFirst().initialFolder, u"/start");
    EXPECT_EQ(install.filesIn(u"site"_s),
              (QStringList{u"Lens.class"_s, u"Zoom.class"_s, u"a.jpg"_s}));
    EXPECT_EQ(
        fakes.messages.informations(),
        QStringList{u"\"Lens.class\", \"Zoom.class\", \"a.jpg\", \"a.jpg\" were copied into "_s +
                    site});
    EXPECT_EQ(destination, site);
}

TEST_F(HtmlWindowTest, OneOrNoFileIsSaidInTheSingular)
{
    show({}, u"Stars"_s);
    fakes.files.setNextFolder(install.file(u"site"_s));
    window.saveNeededFilesInto();
    show({install.file(u"media/b.au"_s)}, u"Stars"_s);
    fakes.files.setNextFolder(install.file(u"site"_s));
    window.saveNeededFilesInto();
    EXPECT_EQ(fakes.messages.informations(),
              (QStringList{u" was copied into "_s + install.file(u"site"_s),
                           u"\"b.au\" was copied into "_s + install.file(u"site"_s)}));
}

TEST_F(HtmlWindowTest, TheSampleFolderAsTargetIsRefusedAndTheSourceKept)
{
    show({install.file(u"media/a.jpg"_s)});
    const QString samples = install.file(u"samples/Zoom"_s);
    fakes.files.setNextFolder(samples);
    window.saveNeededFilesInto();
    ASSERT_EQ(fakes.messages.errors().size(), 1);
    EXPECT_TRUE(fakes.messages.errors().constFirst().startsWith(u"Can't create the file: "_s));
    EXPECT_TRUE(fakes.messages.informations().isEmpty());
    EXPECT_EQ(install.read(u"samples/Zoom/Lens.class"_s), u"lens");
    EXPECT_EQ(destination, u"/start");
}

TEST_F(HtmlWindowTest, AMissingMediaFileStopsTheCopy)
{
    const QString missing = install.file(u"media/gone.gif"_s);
    show({missing, install.file(u"media/a.jpg"_s)});
    fakes.files.setNextFolder(install.file(u"site"_s));
    window.saveNeededFilesInto();
    EXPECT_EQ(fakes.messages.errors(), QStringList{u"Can't open the file: "_s + missing +
                                                   u" (No such file or directory)"_s});
    EXPECT_EQ(install.filesIn(u"site"_s), (QStringList{u"Lens.class"_s, u"Zoom.class"_s}));
    EXPECT_EQ(destination, u"/start");
}

} // namespace
} // namespace morvane::ui::test
