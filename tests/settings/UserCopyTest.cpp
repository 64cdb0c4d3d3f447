#include "settings/UserCopy.h"

#include "FileSizeLimit.h"
#include "settings/ShippedManifest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <unistd.h>

#include <functional>

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

// A newer version of the shipped data, started over a user's copy made by an older one.
class ShippedRefreshTest : public UserCopyTest {
protected:
    void SetUp() override
    {
        UserCopyTest::SetUp();
        write(shipped(u"runtime/morvane-applets.js"_s), "// runtime 1\n");
        write(shipped(u"samples/stars/index.htm"_s), "<p>stars 1</p>");
        const AppDirChoice first = chooseAppDir(installed());
        ASSERT_TRUE(first.result) << first.result.message.toStdString();
    }

    CopyUpdate start() const { return chooseAppDir(installed()).update; }
    QString mine(const QString& relative) const { return userCopy() + u'/' + relative; }
    std::optional<ShippedRecord> recorded(const QString& relative) const
    {
        return readShippedManifest(userCopy()).files.value(relative).copied;
    }
    QMap<QString, ShippedRecord> copiedRecords() const
    {
        QMap<QString, ShippedRecord> records;
        const ShippedManifest manifest = readShippedManifest(userCopy());
        for (auto it = manifest.files.cbegin(); it != manifest.files.cend(); ++it) {
            if (it->copied) {
                records.insert(it.key(), *it->copied);
            }
        }
        return records;
    }
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
              u"Can't create the file: "_s + userCopy() + u"/help/faq.rtf (Not a directory)"_s);
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

TEST_F(ShippedRefreshTest, ANewerVersionReplacesTheShippedFilesTheUserNeverChanged)
{
    EXPECT_EQ(recorded(u"help/faq.rtf"_s), recordOf("{\\rtf1 faq}"));
    // The same size as the shipped page: told apart by its content.
    write(mine(u"samples/stars/index.htm"_s), "<p>stars 9</p>");
    write(shipped(u"runtime/morvane-applets.js"_s), "// runtime 2, longer\n");
    write(shipped(u"help/faq.rtf"_s), "{\\rtf1 faq 2}");
    write(shipped(u"samples/stars/index.htm"_s), "<p>stars 2</p>");

    const CopyUpdate update = start();
    ASSERT_TRUE(update.result) << update.result.message.toStdString();
    EXPECT_TRUE(update.added.isEmpty());
    EXPECT_EQ(update.refreshed, (QStringList{u"help/faq.rtf"_s, u"runtime/morvane-applets.js"_s}));
    EXPECT_TRUE(update.warnings.isEmpty());
    EXPECT_EQ(read(mine(u"runtime/morvane-applets.js"_s)), "// runtime 2, longer\n");
    EXPECT_EQ(read(mine(u"help/faq.rtf"_s)), "{\\rtf1 faq 2}");
    EXPECT_EQ(read(mine(u"samples/stars/index.htm"_s)), "<p>stars 9</p>");
    EXPECT_EQ(recorded(u"help/faq.rtf"_s), recordOf("{\\rtf1 faq 2}"));
    // The record still says what was copied, so the user's page is never taken for ours.
    EXPECT_EQ(recorded(u"samples/stars/index.htm"_s), recordOf("<p>stars 1</p>"));
    EXPECT_TRUE(start().refreshed.isEmpty());
}

TEST_F(ShippedRefreshTest, TheUsersSettingsAndListsAreOnlyEverAdded)
{
    write(shipped(u"morvane.ini"_s), "[options]\r\nfirst=yes\r\nruntime=yes\r\n");
    write(shipped(u"cfg/ListBox1.txt"_s), "one\r\ntwo\r\nthree\r\n");
    write(shipped(u"cfg/ListBox2.txt"_s), "new\r\n");

    const CopyUpdate update = start();
    ASSERT_TRUE(update.result);
    EXPECT_EQ(update.added, QStringList{u"cfg/ListBox2.txt"_s});
    EXPECT_TRUE(update.refreshed.isEmpty());
    EXPECT_EQ(read(mine(u"morvane.ini"_s)), "[options]\r\nfirst=yes\r\n");
    EXPECT_EQ(read(mine(u"cfg/ListBox1.txt"_s)), "one\r\ntwo\r\n");
    // Even a hand-made record of the untouched old files changes nothing.
    ShippedManifest manifest = readShippedManifest(userCopy());
    manifest.files.insert(u"morvane.ini"_s, {recordOf("[options]\r\nfirst=yes\r\n"), {}, {}});
    manifest.files.insert(u"cfg/ListBox1.txt"_s, {recordOf("one\r\ntwo\r\n"), {}, {}});
    ASSERT_TRUE(writeShippedManifest(userCopy(), manifest));
    EXPECT_TRUE(start().refreshed.isEmpty());
    EXPECT_EQ(read(mine(u"morvane.ini"_s)), "[options]\r\nfirst=yes\r\n");
    EXPECT_EQ(read(mine(u"cfg/ListBox1.txt"_s)), "one\r\ntwo\r\n");
}

TEST_F(ShippedRefreshTest, ACopyMadeWithoutRecordsGetsOnlyItsUnchangedFilesRecorded)
{
    ASSERT_TRUE(QFile::remove(shippedManifestPath(userCopy())));
    write(mine(u"samples/stars/index.htm"_s), "<p>mine</p>");
    write(shipped(u"runtime/morvane-applets.js"_s), "// runtime 2\n"); // the copy's is older

    const CopyUpdate update = start();
    ASSERT_TRUE(update.result);
    EXPECT_TRUE(update.refreshed.isEmpty());
    EXPECT_EQ(read(mine(u"runtime/morvane-applets.js"_s)), "// runtime 1\n");
    EXPECT_EQ(read(mine(u"samples/stars/index.htm"_s)), "<p>mine</p>");
    EXPECT_EQ(copiedRecords(),
              (QMap<QString, ShippedRecord>{{u"help/faq.rtf"_s, recordOf("{\\rtf1 faq}")}}));

    // Recorded now, so the next version reaches it.
    write(shipped(u"help/faq.rtf"_s), "{\\rtf1 faq 2}");
    EXPECT_EQ(start().refreshed, QStringList{u"help/faq.rtf"_s});

    // A damaged record is no record: nothing is replaced on its word.
    write(shippedManifestPath(userCopy()), "not a record\n0123 12 runtime/morvane-applets.js\n");
    write(shipped(u"help/faq.rtf"_s), "{\\rtf1 faq 3}");
    EXPECT_TRUE(start().refreshed.isEmpty());
    EXPECT_EQ(read(mine(u"help/faq.rtf"_s)), "{\\rtf1 faq 2}");
}

TEST_F(ShippedRefreshTest, AStartCutOffBetweenReplacingAndRecordingIsCompletedByTheNext)
{
    write(shipped(u"help/faq.rtf"_s), "{\\rtf1 faq 2}");
    write(mine(u"help/faq.rtf"_s), "{\\rtf1 faq 2}"); // replaced; the old record stays

    const CopyUpdate update = start();
    ASSERT_TRUE(update.result);
    EXPECT_TRUE(update.refreshed.isEmpty());
    EXPECT_EQ(recorded(u"help/faq.rtf"_s), recordOf("{\\rtf1 faq 2}"));

    write(shipped(u"help/faq.rtf"_s), "{\\rtf1 faq 3}");
    EXPECT_EQ(start().refreshed, QStringList{u"help/faq.rtf"_s});
    EXPECT_EQ(read(mine(u"help/faq.rtf"_s)), "{\\rtf1 faq 3}");
}

TEST_F(ShippedRefreshTest, AFailedRefreshKeepsTheOldFileAndItsRecordAndIsTriedAgain)
{
    const QByteArray bigRuntime(8 * 1024, 'r');
    write(shipped(u"runtime/morvane-applets.js"_s), bigRuntime);
    write(shipped(u"help/faq.rtf"_s), "{\\rtf1 faq 2}");
    {
        const FileSizeLimit limit(4 * 1024);
        const CopyUpdate update = start();
        EXPECT_TRUE(update.result) << "the copy is still a whole installation";
        EXPECT_EQ(update.refreshed, QStringList{u"help/faq.rtf"_s});
        EXPECT_EQ(update.warnings,
                  QStringList{u"Can't write the file: "_s + mine(u"runtime/morvane-applets.js"_s) +
                              u" (File too large)"_s});
    }
    EXPECT_EQ(read(mine(u"runtime/morvane-applets.js"_s)), "// runtime 1\n");
    EXPECT_EQ(recorded(u"runtime/morvane-applets.js"_s), recordOf("// runtime 1\n"));
    EXPECT_EQ(recorded(u"help/faq.rtf"_s), recordOf("{\\rtf1 faq 2}"));
    EXPECT_EQ(QDir(mine(u"runtime"_s)).entryList(QDir::Files | QDir::Hidden),
              QStringList{u"morvane-applets.js"_s});

    const CopyUpdate retried = start();
    EXPECT_EQ(retried.refreshed, QStringList{u"runtime/morvane-applets.js"_s});
    EXPECT_EQ(read(mine(u"runtime/morvane-applets.js"_s)), bigRuntime);

    if (geteuid() == 0) {
        return; // permissions do not stop root
    }
    write(shipped(u"help/faq.rtf"_s), "{\\rtf1 faq 3}");
    const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ExeOwner;
    ASSERT_TRUE(QFile::setPermissions(mine(u"help"_s), readOnly));
    const CopyUpdate blocked = start();
    QFile::setPermissions(mine(u"help"_s), readOnly | QFile::WriteOwner);
    EXPECT_EQ(blocked.warnings,
              QStringList{u"Can't create the file: "_s + mine(u"help/faq.rtf"_s)});
    EXPECT_EQ(read(mine(u"help/faq.rtf"_s)), "{\\rtf1 faq 2}");
    EXPECT_EQ(recorded(u"help/faq.rtf"_s), recordOf("{\\rtf1 faq 2}"));
}

class StampedStartTest;

// What changes between two starts over a record written after its files last changed, what the
// second start adds and refreshes, the files it refuses as leading outside the copy, and which
// files it reads ("shipped:" or "mine:" and the path).
struct StampedCase {
    const char* name;
    std::function<void(StampedStartTest&)> change;
    QStringList added;
    QStringList refreshed;
    QStringList refused;
    QStringList read;
};

void PrintTo(const StampedCase& row, std::ostream* out)
{
    *out << row.name;
}

class StampedStartTest : public ShippedRefreshTest,
                         public ::testing::WithParamInterface<StampedCase> {
public:
    using ShippedRefreshTest::mine;
    using ShippedRefreshTest::shipped;
    using ShippedRefreshTest::userCopy;
    using ShippedRefreshTest::write;

    // The second start finds the folders made by the first and records them too.
    void SetUp() override
    {
        ShippedRefreshTest::SetUp();
        settleRecord();
        ASSERT_TRUE(start().result);
        settleRecord();
    }

    // Waits until the file system's clock has passed the record, then writes it again as it
    // was: every file it describes changed last before it was written.
    void settleRecord()
    {
        const QString record = shippedManifestPath(userCopy());
        const QByteArray bytes = read(record);
        const QDateTime written = QFileInfo(record).lastModified();
        const QString probe = path(u"clock"_s);
        for (int tries = 0;; ++tries) {
            write(probe, "tick");
            if (QFileInfo(probe).lastModified() > written) {
                break;
            }
            ASSERT_LT(tries, 10000) << "the file system's clock stands still";
            QThread::msleep(1);
        }
        write(record, bytes);
    }

    void setModified(const QString& file, const QDateTime& time)
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(time, QFileDevice::FileModificationTime));
    }

    void replaceByLinkOutside(const QString& folder)
    {
        const QString decoy = path(u"elsewhere/decoy"_s);
        write(decoy + u"/faq.rtf"_s, "{\\rtf1 faq}");
        ASSERT_TRUE(QDir(mine(folder)).removeRecursively());
        ASSERT_TRUE(QFile::link(decoy, mine(folder)));
    }

    void writeUnstampedRecord()
    {
        QByteArray lines;
        const QMap<QString, ShippedRecord> records = copiedRecords();
        for (auto it = records.cbegin(); it != records.cend(); ++it) {
            lines +=
                it->sha256 + ' ' + QByteArray::number(it->size) + ' ' + it.key().toUtf8() + "\r\n";
        }
        write(shippedManifestPath(userCopy()), lines);
    }

    QStringList sides(const QStringList& paths) const
    {
        QStringList tagged;
        for (const QString& file : paths) {
            const QString mineRoot = userCopy() + u'/';
            const QString shippedRoot = path(u"prefix/share/morvane/"_s);
            if (file.startsWith(mineRoot)) {
                tagged.append(u"mine:"_s + file.mid(mineRoot.size()));
            } else if (file.startsWith(shippedRoot)) {
                tagged.append(u"shipped:"_s + file.mid(shippedRoot.size()));
            } else {
                tagged.append(file);
            }
        }
        return tagged;
    }

    QMap<QString, QByteArray> contentsOfMine() const
    {
        QMap<QString, QByteArray> contents;
        for (const QString& file : {u"help/faq.rtf"_s, u"runtime/morvane-applets.js"_s,
                                    u"samples/stars/index.htm"_s, u"morvane.ini"_s}) {
            contents.insert(file, read(mine(file)));
        }
        return contents;
    }
};

const QDateTime kLongAgo(QDate(2001, 1, 1), QTime(12, 0), Qt::UTC);

const StampedCase kStampedCases[] = {
    {"NothingChanged", [](StampedStartTest&) {}, {}, {}, {}, {}},
    {"ANewerShippedFile",
     [](StampedStartTest& t) { t.write(t.shipped(u"help/faq.rtf"_s), "{\\rtf1 faq 2}"); },
     {},
     {u"help/faq.rtf"_s},
     {},
     {u"shipped:help/faq.rtf"_s}},
    {"TheUsersEditKeepingSizeAndTime",
     [](StampedStartTest& t) {
         const QDateTime before = QFileInfo(t.mine(u"help/faq.rtf"_s)).lastModified();
         t.write(t.mine(u"help/faq.rtf"_s), "{\\rtf1 FAQ}");
         t.setModified(t.mine(u"help/faq.rtf"_s), before);
         t.write(t.shipped(u"help/faq.rtf"_s), "{\\rtf1 faq 2}");
     },
     {},
     {},
     {},
     {u"shipped:help/faq.rtf"_s, u"mine:help/faq.rtf"_s}},
    {"TheUsersFileRestoredWithAnOldTime",
     [](StampedStartTest& t) {
         t.write(t.mine(u"help/faq.rtf"_s), "{\\rtf1 old}");
         t.setModified(t.mine(u"help/faq.rtf"_s), kLongAgo);
         t.write(t.shipped(u"help/faq.rtf"_s), "{\\rtf1 faq 2}");
     },
     {},
     {},
     {},
     {u"shipped:help/faq.rtf"_s, u"mine:help/faq.rtf"_s}},
    {"TheUsersEditOfAnUnchangedShippedFile",
     [](StampedStartTest& t) { t.write(t.mine(u"samples/stars/index.htm"_s), "<p>mine</p>"); },
     {},
     {},
     {},
     {}},
    {"TheUsersEditOfAChangedShippedFile",
     [](StampedStartTest& t) {
         t.write(t.mine(u"samples/stars/index.htm"_s), "<p>stars 9</p>");
         t.write(t.shipped(u"samples/stars/index.htm"_s), "<p>stars 2, longer</p>");
     },
     {},
     {},
     {},
     {u"shipped:samples/stars/index.htm"_s, u"mine:samples/stars/index.htm"_s}},
    {"ANewShippedFile",
     [](StampedStartTest& t) { t.write(t.shipped(u"help/news.rtf"_s), "{\\rtf1 news}"); },
     {u"help/news.rtf"_s},
     {},
     {},
     {u"shipped:help/news.rtf"_s}},
    {"AShippedFileTheUserDeleted",
     [](StampedStartTest& t) { ASSERT_TRUE(QFile::remove(t.mine(u"samples/stars/index.htm"_s))); },
     {u"samples/stars/index.htm"_s},
     {},
     {},
     {u"shipped:samples/stars/index.htm"_s}},
    {"AFolderOfTheCopyNowLeadingOutside",
     [](StampedStartTest& t) { t.replaceByLinkOutside(u"help"_s); },
     {},
     {},
     {u"help/faq.rtf"_s},
     {}},
    {"ARecordWithoutTimes",
     [](StampedStartTest& t) {
         t.writeUnstampedRecord();
         t.write(t.shipped(u"help/faq.rtf"_s), "{\\rtf1 faq 2}");
     },
     {},
     {u"help/faq.rtf"_s},
     {},
     {u"shipped:help/faq.rtf"_s, u"mine:help/faq.rtf"_s, u"shipped:runtime/morvane-applets.js"_s,
      u"shipped:samples/stars/index.htm"_s}},
    {"ARecordNoLaterThanItsFiles",
     [](StampedStartTest& t) { t.setModified(shippedManifestPath(t.userCopy()), kLongAgo); },
     {},
     {},
     {},
     {u"shipped:help/faq.rtf"_s, u"shipped:runtime/morvane-applets.js"_s,
      u"shipped:samples/stars/index.htm"_s}},
};

TEST_P(StampedStartTest, ReadsOnlyWhatChangedSinceTheRecordAndDecidesAsBefore)
{
    GetParam().change(*this);
    const QMap<QString, QByteArray> before = contentsOfMine();

    const CopyUpdate update = start();
    ASSERT_TRUE(update.result) << update.result.message.toStdString();
    QStringList refused;
    for (const QString& file : GetParam().refused) {
        refused.append(u"Can't create the file: "_s + mine(file) + u" (a link leads outside "_s +
                       userCopy() + u')');
    }
    EXPECT_EQ(update.warnings, refused);
    EXPECT_EQ(update.added, GetParam().added);
    EXPECT_EQ(update.refreshed, GetParam().refreshed);
    EXPECT_EQ(sides(update.contentRead), GetParam().read);
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        const bool fromShipped =
            update.refreshed.contains(it.key()) || update.added.contains(it.key());
        const QByteArray expected = fromShipped ? read(shipped(it.key())) : it.value();
        EXPECT_EQ(read(mine(it.key())), expected) << it.key().toStdString();
    }

    // What this start read is recorded: the next reads nothing.
    settleRecord();
    const CopyUpdate again = start();
    EXPECT_TRUE(again.refreshed.isEmpty());
    EXPECT_EQ(sides(again.contentRead), QStringList());
}

INSTANTIATE_TEST_SUITE_P(Changes, StampedStartTest, ::testing::ValuesIn(kStampedCases),
                         [](const ::testing::TestParamInfo<StampedCase>& row) {
                             return std::string(row.param.name);
                         });

} // namespace
