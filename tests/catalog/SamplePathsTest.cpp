#include "catalog/SamplePaths.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace morvane::catalog;
using namespace Qt::StringLiterals;

namespace {

void touch(const QString& path)
{
    morvane::test::writeTestFile(path);
}

TEST(SamplePaths, PageNamesAreLowerCasedInTheKindsFolder)
{
    QTemporaryDir app;
    QDir(app.path()).mkpath(u"samples/ImageWhirl"_s);
    EXPECT_EQ(samplePage(app.path(), u"ImageWhirl"_s),
              app.path() + u"/samples/ImageWhirl/imagewhirl.htm");
    EXPECT_EQ(sampleHelpPage(app.path(), u"ImageWhirl"_s),
              app.path() + u"/samples/ImageWhirl/imagewhirl_help.htm");
    EXPECT_EQ(allAppletsPage(app.path()), app.path() + u"/samples/index.htm");
}

TEST(SamplePaths, ClassFilesAreFoundWhateverTheFolderCase)
{
    QTemporaryDir app;
    const QString folder = app.path() + u"/samples/Stars/";
    touch(folder + u"Stars.class");
    touch(folder + u"Star.class");
    touch(folder + u"Helper.CLASS"); // extension test is exact
    touch(folder + u"stars.htm");
    touch(folder + u"old.class.bak");
    QDir().mkpath(folder + u"sub.class");

    QStringList names;
    for (const QString& file : classFiles(app.path(), u"Stars"_s)) {
        names.append(QFileInfo(file).fileName());
    }
    EXPECT_EQ(names, (QStringList{u"Star.class"_s, u"Stars.class"_s}));
}

TEST(SamplePaths, MissingFolderGivesNoClassFiles)
{
    QTemporaryDir app;
    EXPECT_TRUE(classFiles(app.path(), u"Zoom"_s).isEmpty());
}

} // namespace
