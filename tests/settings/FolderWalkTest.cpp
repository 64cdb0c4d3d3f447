// Paths of the installation are resolved as the system resolves them, but never beyond the
// folder: each row plants its links in a fresh folder and compares the walk with the system.
#include "base/FolderWalk.h"
#include "TestFiles.h"
#include "base/PlacedFiles.h"
#include "settings/AtomicFile.h"
#include "settings/Leftovers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace morvane;
using namespace Qt::StringLiterals;
using morvane::test::writeTestFile;

namespace {

enum class Expect { File, Missing, Outside, Fails };

struct Row {
    const char* name;
    const char* path;
    Expect expect;
};

// Links planted in every folder, as name -> target; "@" stands for the folder's real path.
const std::pair<const char16_t*, const char16_t*> kLinks[] = {
    {u"in", u"a/b"},     {u"abs", u"@/a"},   {u"a/up", u"../cfg"},
    {u"out", u"#/sub"},  {u"loop", u"loop"}, {u"dangling", u"a/new.txt"},
    {u"escape", u"../"}, {u"chain", u"in"},  {u"absout", u"#/secret.txt"},
};

const Row kRows[] = {
    {"plain file", "a/b/f.txt", Expect::File},
    {"relative link inside", "in/f.txt", Expect::File},
    {"absolute link inside", "abs/b/f.txt", Expect::File},
    {"link to a link", "chain/f.txt", Expect::File},
    // ".." after a link is the folder above its target, not the folder above the link.
    {"dot-dot after a link", "a/up/../a/b/f.txt", Expect::File},
    {"dot-dot that stays inside", "a/b/../b/f.txt", Expect::File},
    {"dangling link at the end", "dangling", Expect::Missing},
    {"missing folder on the way", "nothere/f.txt", Expect::Missing},
    {"dot-dot after a link leading out", "out/../secret.txt", Expect::Outside},
    {"link to the folder above", "escape/secret.txt", Expect::Outside},
    {"absolute link outside", "absout", Expect::Outside},
    {"links in a circle", "loop/f.txt", Expect::Fails},
};

class FolderWalkTest : public ::testing::TestWithParam<Row> {
protected:
    void SetUp() override
    {
        const QString real = QFileInfo(app.path()).canonicalFilePath();
        writeTestFile(app.filePath(u"a/b/f.txt"_s), "inside");
        QDir(app.path()).mkpath(u"cfg"_s);
        writeTestFile(outside.filePath(u"secret.txt"_s), "secret");
        QDir(outside.path()).mkpath(u"sub"_s);
        for (const auto& [name, target] : kLinks) {
            QString to = QString::fromUtf16(target);
            to.replace(u'@', real).replace(u'#', outside.path());
            ASSERT_TRUE(QFile::link(to, app.filePath(QString::fromUtf16(name))));
        }
    }

    QTemporaryDir app;
    QTemporaryDir outside;
};

TEST_P(FolderWalkTest, LeadsWhereTheSystemLeadsOrRefusesTheWayOut)
{
    const Row& row = GetParam();
    const QString path = app.filePath(QString::fromUtf8(row.path));
    const Outcome<Place> place = settings::locate(path, {app.path()}, u"Can't read the file: "_s);
    switch (row.expect) {
    case Expect::File: {
        ASSERT_TRUE(place.ok()) << place.message().toStdString();
        ASSERT_TRUE(place->isRegularFile());
        struct stat system {};
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &system), 0);
        EXPECT_EQ(fileIdOf(*place), (FileId{quint64(system.st_dev), quint64(system.st_ino)}));
        break;
    }
    case Expect::Missing:
        ASSERT_TRUE(place.ok()) << place.message().toStdString();
        EXPECT_FALSE(place->exists);
        break;
    case Expect::Outside:
        EXPECT_EQ(place.message(), u"Can't read the file: "_s + path +
                                       u" (a link leads outside "_s + app.path() + u')');
        EXPECT_FALSE(settings::readWholeFile(path, app.path()).ok());
        break;
    case Expect::Fails:
        EXPECT_FALSE(place.ok());
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(PlantedLinks, FolderWalkTest, ::testing::ValuesIn(kRows),
                         [](const auto& param) {
                             QString name = QString::fromUtf8(param.param.name);
                             name.replace(u' ', u'_').remove(u'-');
                             return name.toStdString();
                         });

TEST(Leftovers, OnlyStagingFilesOfRealFoldersGo)
{
    QTemporaryDir app;
    QTemporaryDir outside;
    const QString kept[] = {u"morvane.ini"_s, u"morvane.ini.backup"_s, u"cfg/list.saving-12345"_s};
    for (const QString& name : kept) {
        writeTestFile(app.filePath(name), "keep");
    }
    writeTestFile(app.filePath(u"morvane.ini.saving-Ab12Cd"_s), "cut");
    writeTestFile(app.filePath(u"cfg/LoginList4.txt.saving-ZZZZZZ"_s), "cut");
    writeTestFile(outside.filePath(u"decoy.saving-AAAAAA"_s), "decoy");
    ASSERT_TRUE(QFile::link(outside.path(), app.filePath(u"lnk"_s)));
    ASSERT_TRUE(QFile::link(outside.filePath(u"decoy.saving-AAAAAA"_s),
                            app.filePath(u"x.saving-BBBBBB"_s)));

    EXPECT_EQ(settings::removeLeftovers(app.path()), 2);
    for (const QString& name : kept) {
        EXPECT_TRUE(QFileInfo::exists(app.filePath(name))) << name.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(app.filePath(u"morvane.ini.saving-Ab12Cd"_s)));
    EXPECT_TRUE(QFileInfo(app.filePath(u"x.saving-BBBBBB"_s)).isSymLink());
    EXPECT_TRUE(QFileInfo::exists(outside.filePath(u"decoy.saving-AAAAAA"_s)));
}

} // namespace
