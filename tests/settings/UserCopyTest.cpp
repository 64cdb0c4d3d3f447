#include "settings/UserCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace morvane::settings;
using namespace Qt::StringLiterals;

namespace {

class UserCopyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        write(shipped(u"morvane.ini"_s), "[options]\r\nfirst=yes\r\n");
        write(shipped(u"cfg/ListBox1.txt"_s), "one\r\ntwo\r\n");
        write(shipped(u"help/faq.rtf"_s), "{\\rtf1 faq}");
        QDir().mkpath(path(u"elsewhere"_s));
    }

    QString path(const QString& relative) const { return QDir(root.path()).filePath(relative); }
    QString shipped(const QString& relative) const
    {
        return path(u"prefix/share/morvane/"_s + relative);
    }
    QString userCopy() const { return path(u"xdg/morvane"_s); }

    Surroundings installed() const
    {
        return {path(u"elsewhere"_s), path(u"prefix/share/morvane"_s), QString(), path(u"xdg"_s),
                path(u"home"_s)};
    }

    static void write(const QString& file, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(file).absolutePath());
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly)) << file.toStdString();
        out.write(bytes);
    }
    static QByteArray read(const QString& file)
    {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir root;
};

TEST_F(UserCopyTest, FirstStartCopiesTheShippedDataWithTheProfileLast)
{
    const AppDirChoice choice = chooseAppDir(installed());
    ASSERT_TRUE(choice.result) << choice.result.message.toStdString();
    EXPECT_TRUE(choice.userCopy);
    EXPECT_EQ(choice.appDir, userCopy());
    EXPECT_TRUE(choice.update.created);
    EXPECT_EQ(choice.update.added,
              (QStringList{u"cfg/ListBox1.txt"_s, u"help/faq.rtf"_s, u"morvane.ini"_s}));
    EXPECT_EQ(read(userCopy() + u"/cfg/ListBox1.txt"_s), "one\r\ntwo\r\n");
    EXPECT_EQ(read(userCopy() + u"/morvane.ini"_s), "[options]\r\nfirst=yes\r\n");
    EXPECT_TRUE(QFileInfo(userCopy() + u"/test"_s).isDir());
}

TEST_F(UserCopyTest, LaterStartsKeepTheUsersFilesAndAddOnlyNewShippedOnes)
{
    ASSERT_TRUE(chooseAppDir(installed()).result);
    write(userCopy() + u"/morvane.ini"_s, "[options]\r\nfirst=no\r\nhottrack=no\r\n");
    write(userCopy() + u"/cfg/ListBox1.txt"_s, "mine\r\n");
    // A newer version ships a new help page and changed settings.
    write(shipped(u"help/news.rtf"_s), "{\\rtf1 news}");
    write(shipped(u"morvane.ini"_s), "[options]\r\nfirst=yes\r\nruntime=yes\r\n");
    write(shipped(u"cfg/ListBox1.txt"_s), "shipped again\r\n");

    const AppDirChoice again = chooseAppDir(installed());
    ASSERT_TRUE(again.result) << again.result.message.toStdString();
    EXPECT_FALSE(again.update.created);
    EXPECT_EQ(again.update.added, QStringList{u"help/news.rtf"_s});
    EXPECT_EQ(read(userCopy() + u"/help/news.rtf"_s), "{\\rtf1 news}");
    EXPECT_EQ(read(userCopy() + u"/morvane.ini"_s), "[options]\r\nfirst=no\r\nhottrack=no\r\n");
    EXPECT_EQ(read(userCopy() + u"/cfg/ListBox1.txt"_s), "mine\r\n");
}

TEST_F(UserCopyTest, WhereTheUsersCopyLies)
{
    Surroundings where = installed();
    where.dataHome.clear();
    EXPECT_EQ(chooseAppDir(where).appDir, path(u"home/.local/share/morvane"_s));
    where.dataHome = u"relative/data"_s; // not absolute: ignored
    EXPECT_EQ(chooseAppDir(where).appDir, path(u"home/.local/share/morvane"_s));

    where.installDirVariable = u"../chosen"_s; // taken from the current folder; wins over the rest
    const AppDirChoice chosen = chooseAppDir(where);
    ASSERT_TRUE(chosen.result);
    EXPECT_EQ(chosen.appDir, path(u"chosen"_s));
    EXPECT_TRUE(QFileInfo::exists(path(u"chosen/morvane.ini"_s)));
}

TEST_F(UserCopyTest, AnInstallationInTheCurrentFolderIsUsedAsItIs)
{
    write(path(u"elsewhere/morvane.ini"_s), "[options]\r\n");
    const AppDirChoice choice = chooseAppDir(installed());
    ASSERT_TRUE(choice.result);
    EXPECT_FALSE(choice.userCopy);
    EXPECT_EQ(choice.appDir, path(u"elsewhere"_s));
    EXPECT_FALSE(QFileInfo::exists(userCopy()));

    // The shipped data is read-only: started there, the program works in the user's copy.
    Surroundings inShipped = installed();
    inShipped.currentDir = inShipped.shippedDataDir;
    EXPECT_EQ(chooseAppDir(inShipped).appDir, userCopy());
}

TEST_F(UserCopyTest, AProgramThatIsNotInstalledStaysInTheCurrentFolderUnlessPointedElsewhere)
{
    Surroundings where = installed();
    where.shippedDataDir.clear();
    const AppDirChoice here = chooseAppDir(where);
    EXPECT_TRUE(here.result);
    EXPECT_EQ(here.appDir, path(u"elsewhere"_s));
    EXPECT_FALSE(QFileInfo::exists(userCopy()));

    where.installDirVariable = path(u"staged"_s);
    const AppDirChoice missing = chooseAppDir(where);
    EXPECT_FALSE(missing.result);
    EXPECT_EQ(missing.result.message, u"Can't find the file: "_s + path(u"staged/morvane.ini"_s));

    write(path(u"staged/morvane.ini"_s), "[options]\r\n");
    EXPECT_TRUE(chooseAppDir(where).result);
}

TEST_F(UserCopyTest, AFailedCopyIsReportedAndCompletedOnTheNextStart)
{
    write(userCopy() + u"/help"_s, "a file where a folder belongs");
    const AppDirChoice failed = chooseAppDir(installed());
    EXPECT_FALSE(failed.result);
    EXPECT_EQ(failed.result.message,
              u"Can't create the file: "_s + userCopy() + u"/help/faq.rtf"_s);
    EXPECT_FALSE(QFileInfo::exists(userCopy() + u"/morvane.ini"_s));

    QFile::remove(userCopy() + u"/help"_s);
    const AppDirChoice completed = chooseAppDir(installed());
    ASSERT_TRUE(completed.result) << completed.result.message.toStdString();
    EXPECT_TRUE(completed.update.created);
    EXPECT_EQ(completed.update.added, (QStringList{u"help/faq.rtf"_s, u"morvane.ini"_s}));

    write(path(u"blocked"_s), "");
    Surroundings blocked = installed();
    blocked.installDirVariable = path(u"blocked"_s);
    EXPECT_EQ(chooseAppDir(blocked).result.message,
              u"Can't create the folder: "_s + path(u"blocked"_s));
}

TEST_F(UserCopyTest, TheShippedDataIsFoundBesideTheProgramsFolder)
{
    EXPECT_EQ(surroundingsOf(path(u"prefix/bin"_s)).shippedDataDir,
              path(u"prefix/share/morvane"_s));
    EXPECT_TRUE(surroundingsOf(path(u"elsewhere"_s)).shippedDataDir.isEmpty());
}

} // namespace
