#include "UiTestSupport.h"

#include "ui/main/AppletsList.h"
#include "ui/main/ChooseAppletMenu.h"

#include <QAction>
#include <QRegularExpression>

#include <functional>

namespace morvane::ui::test {
namespace {

using namespace Qt::StringLiterals;

class PreviewTest : public MainWindowTest {
protected:
    PreviewTest()
    {
        install.write(u"samples/Stars/Stars.class"_s, "stars");
        install.write(u"samples/DateText/DateText.class"_s, "date");
        install.write(u"samples/DateText/sphinx.gif"_s, "GIF");
        install.write(u"test/mine.txt"_s, "the user's");
        QDir().mkpath(install.file(u"test/keep"_s));
    }

    QString pageIn(const QStringList& files)
    {
        const QRegularExpression pageName(u"^test(0|[1-9][0-9]{0,3})\\.htm$"_s);
        QString found;
        for (const QString& file : files) {
            if (pageName.match(file).hasMatch()) {
                EXPECT_TRUE(found.isEmpty()) << "two preview pages";
                found = file;
            }
        }
        return found;
    }
};

TEST_F(PreviewTest, TwoPreviewsLeaveOnlyTheSecondAndTheUsersOwnFiles)
{
    openKind(u"Stars"_s);
    window().workingCopy().common().setText(u"NoJavaMessage"_s, QString());
    window().showPreview();
    ASSERT_TRUE(fakes.messages.errors().isEmpty())
        << fakes.messages.errors().join(u'\n').toStdString();
    QStringList files = install.filesIn(u"test"_s);
    const QString first = pageIn(files);
    ASSERT_FALSE(first.isEmpty());
    EXPECT_TRUE(files.contains(u"Stars.class"_s));
    EXPECT_TRUE(files.contains(u"mine.txt"_s));
    const QStringList page = install.read(u"test/"_s + first).split(u"\r\n"_s);
    const qsizetype close = page.indexOf(u"</applet>"_s);
    ASSERT_GT(close, 0);
    EXPECT_TRUE(page[close - 1].startsWith(u"<param"_s));

    openKind(u"DateText"_s);
    window().workingCopy().common().setText(u"BackgroundImage"_s,
                                            install.file(u"samples/DateText/sphinx.gif"_s));
    window().showPreview();
    ASSERT_TRUE(fakes.messages.errors().isEmpty())
        << fakes.messages.errors().join(u'\n').toStdString();
    files = install.filesIn(u"test"_s);
    const QString second = pageIn(files);
    files.removeOne(second);
    EXPECT_EQ(files,
              (QStringList{u"DateText.class"_s, u"mine.txt"_s, u"morvane-applets-text.js"_s,
                           u"morvane-applets.css"_s, u"morvane-applets.js"_s, u"sphinx.gif"_s}));
    EXPECT_TRUE(QDir(install.file(u"test/keep"_s)).exists());
    EXPECT_TRUE(install.read(u"test/"_s + second).contains(u"DateText preview"_s));

    ASSERT_EQ(fakes.shell.openedFiles().size(), 2);
    EXPECT_EQ(fakes.shell.openedFiles().constLast().fileName, second);
    EXPECT_EQ(QDir(fakes.shell.openedFiles().constLast().workingFolder).canonicalPath(),
              QDir(install.file(u"test"_s)).canonicalPath());
}

TEST_F(PreviewTest, OpensThePageFromTheLoopbackServerWhenItRuns)
{
    fakes.preview.start(8123);
    openKind(u"Stars"_s);
    window().showPreview();
    ASSERT_TRUE(fakes.messages.errors().isEmpty())
        << fakes.messages.errors().join(u'\n').toStdString();
    const QString page = pageIn(install.filesIn(u"test"_s));
    EXPECT_EQ(fakes.shell.openedUrls(), QStringList{u"http://127.0.0.1:8123/"_s + page});
    EXPECT_TRUE(fakes.shell.openedFiles().isEmpty());
    ASSERT_EQ(fakes.preview.folders().size(), 1);
    EXPECT_EQ(QDir(fakes.preview.folders().constFirst()).canonicalPath(),
              QDir(install.file(u"test"_s)).canonicalPath());
    EXPECT_EQ(fakes.preview.sites().constFirst().installation, install.path());
}

// Served beside the runtime, a sample's applet reads its pixels, sounds and data files; unserved,
// the page still opens, from the disk, and the user is told why.
TEST_F(PreviewTest, SamplesOpenFromTheServerWhenItServesThemAndFromTheDiskOtherwise)
{
    AppletsList* list = window().appletsList();
    list->setCurrentItem(list->topLevelItem(0));
    const struct {
        const char* name;
        std::function<void()> open;
        QString page; // inside the samples folder
    } entries[] = {
        {"View sample", [&] { list->viewSampleAction()->trigger(); },
         u"ButtonLink/buttonlink.htm"_s},
        {"Choose Applet", [&] { window().chooseAppletMenu()->columns()[0].constLast()->trigger(); },
         u"ImageWhirl/imagewhirl.htm"_s},
        {"All Applets page", [&] { window().findChild<QAction*>(u"allAppletsPage"_s)->trigger(); },
         u"index.htm"_s},
    };
    const QString fromDisk = u" The page opens from the disk, where its applets cannot read their "
                             u"pictures' pixels, sounds and data files."_s;
    const QString refusal = u"The folder \"samples\" is not served: it is a link."_s;
    const struct {
        const char* name;
        std::function<void()> serve;
        QString message; // empty when served
    } servers[] = {
        {"no server", [] {}, u"The program's own web server could not start."_s + fromDisk},
        {"folder refused",
         [&] {
             fakes.preview.start(8123);
             fakes.preview.refuse(refusal);
         },
         refusal + fromDisk},
        {"served", [&] { fakes.preview.refuse(QString()); }, QString()},
    };
    for (const auto& server : servers) {
        server.serve();
        for (const auto& entry : entries) {
            SCOPED_TRACE(std::string(entry.name) + ", " + server.name);
            fakes.shell.clear();
            fakes.messages.clear();
            entry.open();
            if (server.message.isEmpty()) {
                EXPECT_EQ(fakes.shell.openedUrls(),
                          QStringList{u"http://127.0.0.1:8123/samples/"_s + entry.page});
                EXPECT_TRUE(fakes.shell.openedFiles().isEmpty());
                EXPECT_TRUE(fakes.messages.shown().isEmpty());
            } else {
                ASSERT_EQ(fakes.shell.openedFiles().size(), 1);
                const auto& opened = fakes.shell.openedFiles().constFirst();
                EXPECT_EQ(QDir(opened.workingFolder).filePath(opened.fileName),
                          install.file(u"samples/"_s + entry.page));
                EXPECT_TRUE(fakes.shell.openedUrls().isEmpty());
                EXPECT_EQ(fakes.messages.informations(), QStringList{server.message});
            }
            ASSERT_FALSE(fakes.preview.sites().isEmpty());
            EXPECT_EQ(fakes.preview.sites().constLast().folders,
                      (QStringList{install.file(u"samples"_s), install.file(u"runtime"_s)}));
            EXPECT_EQ(fakes.preview.sites().constLast().installation, install.path());
        }
    }
    EXPECT_TRUE(fakes.preview.folders().isEmpty());
}

TEST_F(PreviewTest, AMissingTestFolderIsMadeAndALinkedOneRefused)
{
    QDir(install.file(u"test"_s)).removeRecursively();
    openKind(u"Stars"_s);
    window().showPreview();
    EXPECT_TRUE(fakes.messages.errors().isEmpty())
        << fakes.messages.errors().join(u'\n').toStdString();
    EXPECT_EQ(fakes.shell.openedFiles().size(), 1);

    QDir(install.file(u"test"_s)).removeRecursively();
    ASSERT_TRUE(QFile::link(u"."_s, install.file(u"test"_s)));
    window().showPreview();
    ASSERT_EQ(fakes.messages.errors().size(), 1);
    EXPECT_TRUE(fakes.messages.errors().constFirst().contains(install.file(u"test"_s)));
    EXPECT_EQ(fakes.shell.openedFiles().size(), 1);
    EXPECT_TRUE(QFileInfo::exists(install.file(u"morvane.ini"_s)));
}

} // namespace
} // namespace morvane::ui::test
