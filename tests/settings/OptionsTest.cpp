#include "settings/Options.h"
#include "TestFiles.h"
#include "catalog/Kinds.h"
#include "settings/FirstRun.h"
#include "settings/Profile.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace morvane;
using namespace morvane::settings;
using namespace Qt::StringLiterals;

namespace {

class InstallationTest : public ::testing::Test {
protected:
    void write(const QString& relative, const QByteArray& bytes)
    {
        morvane::test::writeTestFile(QDir(app.path()).filePath(relative), bytes);
    }
    QByteArray read(const QString& relative) const
    {
        QFile file(QDir(app.path()).filePath(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    QString first() const
    {
        return Profile::load(profilePath(app.path()), app.path())
            .valueOr({})
            .read(u"options"_s, u"first"_s, u"<none>"_s);
    }
    void shipAllMedia()
    {
        for (const SampleMedia& row : sampleMediaTable()) {
            for (const QString& file : row.files) {
                write(u"images&sounds/"_s + file, file.toUtf8());
            }
        }
    }

    QTemporaryDir app;
};

TEST_F(InstallationTest, OptionsDefaultsAndExactYes)
{
    Outcome<Options> loaded = loadOptions(app.path());
    ASSERT_TRUE(loaded.ok());
    Options options = loaded.value();
    EXPECT_EQ(options.lastFolder, u"images&sounds");
    EXPECT_EQ(options.destinationFolder, defaultDestinationFolder());
    EXPECT_TRUE(options.hotTrack);
    EXPECT_TRUE(loadCustomColors(app.path()).value().isEmpty());

    write(u"morvane.ini"_s, "[options]\r\nhottrack=Yes\r\n[directories]\r\nlast=C:\\pics\r\n");
    write(u"cfg/customcolors.txt"_s, "ColorA=0000FF\r\nColorB=00FF00");
    options = loadOptions(app.path()).value();
    EXPECT_FALSE(options.hotTrack);
    EXPECT_EQ(options.lastFolder, u"C:\\pics");
    EXPECT_EQ(loadCustomColors(app.path()).value(),
              (QStringList{u"ColorA=0000FF"_s, u"ColorB=00FF00"_s}));
}

TEST_F(InstallationTest, ClosingWritesFoldersOptionAndColorsButNoKind)
{
    write(u"morvane.ini"_s, "[options]\r\nfirst=no\r\nhottrack=maybe\r\n");
    Options options = loadOptions(app.path()).value();
    options.lastFolder = u"/home/me/pictures"_s;
    ASSERT_TRUE(saveOptions(app.path(), options).ok);
    ASSERT_TRUE(saveCustomColors(app.path(), {u"ColorA=FFFFFF"_s}).ok);

    EXPECT_EQ(
        read(u"morvane.ini"_s),
        QByteArray("[options]\r\nfirst=no\r\nhottrack=no\r\n"
                   "runtime=yes\r\nlivepreview=yes\r\nlivepreviewbelow=no\r\nreopenlast=no\r\n"
                   "markup=applet\r\nrecent=\r\n"
                   "[directories]\r\nlast=/home/me/pictures\r\n"
                   "destination=") +
            defaultDestinationFolder().toUtf8() + "\r\n");
    EXPECT_EQ(read(u"cfg/customcolors.txt"_s), QByteArray("ColorA=FFFFFF\r\n"));
}

TEST_F(InstallationTest, RuntimeOptionIsOnUnlessItReadsOtherThanYes)
{
    EXPECT_TRUE(loadOptions(app.path())->runtime);
    for (const char* value : {"no", "Yes", "", "1"}) {
        write(u"morvane.ini"_s, QByteArray("[options]\r\nruntime=") + value + "\r\n");
        EXPECT_FALSE(loadOptions(app.path())->runtime) << value;
    }
    write(u"morvane.ini"_s, "[options]\r\nruntime=yes\r\n");
    Options options = loadOptions(app.path()).value();
    EXPECT_TRUE(options.runtime);
    options.runtime = false;
    ASSERT_TRUE(saveOptions(app.path(), options).ok);
    EXPECT_FALSE(loadOptions(app.path())->runtime);
    EXPECT_TRUE(loadOptions(app.path())->hotTrack);
}

// Only the exact names choose a markup; anything else writes the classic code, and a save
// writes the name back, so a hand-edited value is mended rather than kept.
TEST_F(InstallationTest, MarkupIsModernOnlyWhenItReadsExactlyModern)
{
    const struct {
        const char* lines;
        Markup markup;
    } rows[] = {
        {"", Markup::Applet},
        {"markup=applet\r\n", Markup::Applet},
        {"markup=modern\r\n", Markup::Modern},
        {"markup=Modern\r\n", Markup::Applet},
        {"markup=html5\r\n", Markup::Applet},
        {"markup=\r\n", Markup::Applet},
    };
    for (const auto& row : rows) {
        write(u"morvane.ini"_s, QByteArray("[options]\r\n") + row.lines);
        Options options = loadOptions(app.path()).value();
        EXPECT_EQ(options.markup, row.markup) << row.lines;
        ASSERT_TRUE(saveOptions(app.path(), options).ok);
        EXPECT_EQ(Profile::load(profilePath(app.path()), app.path())
                      .valueOr({})
                      .read(u"options"_s, u"markup"_s, QString()),
                  row.markup == Markup::Modern ? u"modern" : u"applet")
            << row.lines;
    }
}

// The recent list keeps kinds only, each once, the latest first, eight at most, whatever was
// typed into the file; reopening the latest is on only for an exact "yes".
TEST_F(InstallationTest, RecentKindsAndReopeningTheLatest)
{
    const struct {
        const char* lines;
        QStringList recent;
        bool reopen;
    } rows[] = {
        {"", {}, false},
        {"recent=Stars,Fade\r\nreopenlast=yes\r\n", {u"Stars"_s, u"Fade"_s}, true},
        {"recent=Stars, nothing,Fade ,Stars,,stars\r\nreopenlast=Yes\r\n",
         {u"Stars"_s, u"Fade"_s},
         false},
        {"recent=Zoom,Fade,Stars,Table,Graph,Memory,Puzzle,Polygons,Scrolling\r\n",
         {u"Zoom"_s, u"Fade"_s, u"Stars"_s, u"Table"_s, u"Graph"_s, u"Memory"_s, u"Puzzle"_s,
          u"Polygons"_s},
         false},
    };
    for (const auto& row : rows) {
        write(u"morvane.ini"_s, QByteArray("[options]\r\n") + row.lines);
        Options options = loadOptions(app.path()).value();
        EXPECT_EQ(options.recentKinds, row.recent) << row.lines;
        EXPECT_EQ(options.reopenLastApplet, row.reopen) << row.lines;
        ASSERT_TRUE(saveOptions(app.path(), options).ok);
        EXPECT_EQ(loadOptions(app.path())->recentKinds, row.recent) << row.lines;
    }

    QStringList recent;
    for (const QString& kind : {u"Zoom"_s, u"Fade"_s, u"Zoom"_s}) {
        recent = withRecentKind(recent, kind);
    }
    EXPECT_EQ(recent, (QStringList{u"Zoom"_s, u"Fade"_s}));
    for (int i = 0; i < 10; ++i) {
        recent = withRecentKind(recent, catalog::kindName(i));
    }
    EXPECT_EQ(recent.size(), kMaxRecentKinds);
    EXPECT_EQ(recent.front(), catalog::kindName(9));
}

// The window's place is read only when it is whole; a profile without it, or with something
// else in its place, opens the window as the shipped one does, and keeps it as it was.
TEST_F(InstallationTest, WindowPlaceReadsOnlyWholeNumberLists)
{
    struct Row {
        const char* lines;
        QList<int> geometry;
        QList<int> splitter;
    };
    const Row rows[] = {
        {"", {}, {}},
        {"windowgeometry=10,-20,900,600\r\nsplittersizes=250,640\r\n",
         {10, -20, 900, 600},
         {250, 640}},
        {"windowgeometry=0,0,3,4\r\n", {0, 0, 3, 4}, {}},
        {"windowgeometry=1,2,3\r\nsplittersizes=1,2,3\r\n", {}, {}},
        {"windowgeometry=1,2,3,x\r\nsplittersizes=,\r\n", {}, {}},
        {"windowgeometry=\r\nsplittersizes=9999999999,1\r\n", {}, {}},
    };
    for (const Row& row : rows) {
        write(u"morvane.ini"_s, QByteArray("[options]\r\n") + row.lines);
        const Options options = loadOptions(app.path()).value();
        EXPECT_EQ(options.windowGeometry, row.geometry) << row.lines;
        EXPECT_EQ(options.splitterSizes, row.splitter) << row.lines;
        ASSERT_TRUE(saveOptions(app.path(), options).ok);
        EXPECT_TRUE(read(u"morvane.ini"_s).contains(row.lines)) << row.lines;
    }

    Options options = loadOptions(app.path()).value();
    options.windowGeometry = {-5, 7, 800, 500};
    options.splitterSizes = {300, 500};
    ASSERT_TRUE(saveOptions(app.path(), options).ok);
    const Options again = loadOptions(app.path()).value();
    EXPECT_EQ(again.windowGeometry, options.windowGeometry);
    EXPECT_EQ(again.splitterSizes, options.splitterSizes);
}

TEST_F(InstallationTest, FirstRunCopiesEveryMediaOnceAndTurnsItselfOff)
{
    write(u"morvane.ini"_s, "[options]\r\nfirst=yes\r\n");
    shipAllMedia();
    write(u"samples/Puzzle/Cascade.jpg"_s, "old copy");

    Outcome<FirstRun> run = runFirstRun(app.path());
    ASSERT_TRUE(run.ok()) << run.message().toStdString();
    EXPECT_TRUE(run->wasFirstRun);
    EXPECT_EQ(read(u"samples/Puzzle/Cascade.jpg"_s), QByteArray("Cascade.jpg"));
    EXPECT_EQ(read(u"samples/SoundPlayer/glass.au"_s), QByteArray("glass.au"));
    EXPECT_EQ(read(u"samples/Memory/river_small.jpg"_s), QByteArray("river_small.jpg"));
    EXPECT_EQ(first(), u"no");

    QFile::remove(QDir(app.path()).filePath(u"samples/Puzzle/Cascade.jpg"_s));
    run = runFirstRun(app.path());
    ASSERT_TRUE(run.ok());
    EXPECT_FALSE(run->wasFirstRun);
    EXPECT_EQ(read(u"samples/Puzzle/Cascade.jpg"_s), QByteArray("<missing>"));
}

TEST_F(InstallationTest, FailedFirstRunIsReportedAndRunsAgainNextTime)
{
    write(u"morvane.ini"_s, "[options]\r\nfirst=yes\r\n");
    shipAllMedia();
    QFile::remove(QDir(app.path()).filePath(u"images&sounds/sphinx.gif"_s));

    const Outcome<FirstRun> run = runFirstRun(app.path());
    EXPECT_FALSE(run.ok());
    EXPECT_TRUE(run.message().contains(u"sphinx.gif"_s));
    EXPECT_EQ(read(u"samples/CropImages/river.jpg"_s), QByteArray("river.jpg")); // copied before
    EXPECT_EQ(first(), u"yes");
}

TEST_F(InstallationTest, OtherCaseIsNotAFirstRun)
{
    write(u"morvane.ini"_s, "[options]\r\nfirst=Yes\r\n");
    EXPECT_FALSE(runFirstRun(app.path())->wasFirstRun);
}

} // namespace
