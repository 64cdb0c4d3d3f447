// An installation folder is data that users copy, unpack and share: a link planted in it must not
// lead a read or a write to a file elsewhere. Each case plants one link (to a decoy outside the
// folder, or where following it would destroy the folder's own files), runs what would follow it,
// and checks that the decoy is untouched, that no file of the folder went, and that none of the
// decoy's content reached the folder.
#include "TestFiles.h"
#include "generator/Generator.h"
#include "generator/NeededFiles.h"
#include "generator/Preview.h"
#include "settings/AtomicFile.h"
#include "settings/FirstRun.h"
#include "settings/ListFiles.h"
#include "settings/Options.h"
#include "settings/SaveJournal.h"
#include "settings/SettingsStore.h"
#include "settings/UserCopy.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using namespace morvane;
using namespace morvane::settings;
using namespace Qt::StringLiterals;
using catalog::ListFileId;

namespace {

const QByteArray kSecret = "OUTSIDE-SECRET 1234";

using morvane::test::writeTestFile;

QByteArray treeHash(const QString& folder)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::Dirs | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    QStringList entries;
    while (it.hasNext()) {
        entries.append(it.next());
    }
    entries.sort();
    for (const QString& entry : entries) {
        hash.addData(entry.toUtf8());
        QFile file(entry);
        if (file.open(QIODevice::ReadOnly)) {
            hash.addData(file.readAll());
        }
    }
    return hash.result();
}

struct Folders {
    QTemporaryDir app;
    QTemporaryDir outside;
    QTemporaryDir shipped;

    QString at(const QString& relative) const { return app.filePath(relative); }
    // A decoy file outside, or a decoy folder holding one.
    QString decoyFile() const { return outside.filePath(u"decoy.txt"_s); }
    QString decoyFolder() const { return outside.filePath(u"folder"_s); }
};

struct Planted {
    const char* name;
    const char16_t* linkAt;
    bool toFolder;
    // What follows the link; returns what the user is told (a message, warnings), empty when
    // nothing is said.
    std::function<QString(Folders&)> act;
    // Where the link leads instead of the decoy, relative to the link's folder.
    const char16_t* insideTarget = nullptr;
};

QString loginBoxHtml(Folders& f)
{
    WorkingCopy copy;
    const Outcome<KindLoad> load = loadKind(f.app.path(), u"LoginBox"_s, copy);
    if (!load) {
        return load.message();
    }
    for (const QString& size : {u"Width"_s, u"Height"_s}) {
        copy.common().setText(size, u"200"_s);
        copy.specific(u"LoginBox"_s).setText(u"Frame"_s + size, u"100"_s);
    }
    copy.list(ListFileId::LoginBoxLogins) = QStringList{u"echo attacker"_s};
    copy.list(ListFileId::LoginBoxPasswords) = QStringList{u"pw"_s};
    copy.list(ListFileId::LoginBoxLinks) = QStringList{u"a.html"_s};
    return generator::generate({u"LoginBox"_s, copy, load->support, f.app.path()}).message();
}

QString loadThenSave(Folders& f, const QString& kind)
{
    WorkingCopy copy;
    const Outcome<KindLoad> load = loadKind(f.app.path(), kind, copy);
    const Result saved = saveKind(f.app.path(), kind, copy);
    return load.message() + saved.message;
}

QString refreshUserCopy(Folders& f)
{
    writeTestFile(f.shipped.filePath(u"help/new.htm"_s), "<p>help</p>");
    writeTestFile(f.shipped.filePath(u"morvane.ini"_s), "[options]\r\n");
    return updateUserCopy(f.shipped.path(), f.app.path()).warnings.join(u'\n');
}

QString preview(Folders& f)
{
    return generator::preparePreview(f.app.path(), u"Stars"_s, {u"<p>"_s}, {}).message();
}

// The files of the folder, links left out.
QStringList filesOf(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        if (const QFileInfo file(it.next()); !file.isSymLink()) {
            files.append(file.filePath());
        }
    }
    return files;
}

const Planted kPlanted[] = {
    {"password file", u"cfg/pass.txt", false, loginBoxHtml},
    {"settings file", u"morvane.ini", false,
     [](Folders& f) -> QString {
         return loadThenSave(f, u"Stars"_s) + saveOptions(f.app.path(), {}).message;
     }},
    {"item list", u"cfg/LoginList4.txt", false,
     [](Folders& f) -> QString { return loadThenSave(f, u"LoginBox"_s); }},
    {"menu tree", u"cfg/TreeView1.txt", false,
     [](Folders& f) -> QString { return loadThenSave(f, u"MenuFrame"_s); }},
    {"custom colors", u"cfg/customcolors.txt", false,
     [](Folders& f) -> QString {
         return loadCustomColors(f.app.path()).message() +
                saveCustomColors(f.app.path(), {u"255"_s}).message;
     }},
    {"lists folder", u"cfg", true,
     [](Folders& f) -> QString { return loadThenSave(f, u"LoginBox"_s); }},
    {"record of shipped files", u".shipped", false, refreshUserCopy},
    {"help folder of the user copy", u"help", true, refreshUserCopy},
    {"preview folder", u"test", true, preview},
    {"sample media", u"images&sounds/chrismas.jpg", false,
     [](Folders& f) -> QString {
         writeTestFile(f.at(u"morvane.ini"_s), "[options]\r\nfirst=yes\r\n");
         return runFirstRun(f.app.path()).message();
     }},
    {"preview folder that is the installation", u"test", true, preview, u"."},
    {"preview folder that is the lists folder", u"test", true, preview, u"../cfg"},
    {"folder above a link", u"samples/lnk", true,
     [](Folders& f) -> QString {
         QDir(f.app.path()).mkpath(u"upload"_s);
         return generator::copyNeededFiles(f.app.path(), u"Stars"_s,
                                           {u"samples/lnk/../decoy.txt"_s}, f.at(u"upload"_s))
             .message();
     }},
    {"write beside the target of a link", u"lnk", true,
     [](Folders& f) -> QString {
         return writeFileAtomically(f.at(u"lnk/../written.txt"_s), kSecret, {f.app.path()}).message;
     }},
    {"needed file", u"images/photo.jpg", false,
     [](Folders& f) -> QString {
         QDir(f.app.path()).mkpath(u"upload"_s);
         return generator::copyNeededFiles(f.app.path(), u"Stars"_s, {u"images/photo.jpg"_s},
                                           f.at(u"upload"_s))
             .message();
     }},
};

void PrintTo(const Planted& planted, std::ostream* out)
{
    *out << planted.name;
}

class OutsideLinks : public ::testing::TestWithParam<Planted> {};

TEST_P(OutsideLinks, NeitherReadNorWrittenThrough)
{
    Folders f;
    writeTestFile(f.at(u"morvane.ini"_s), "[options]\r\nfirst=no\r\n");
    writeTestFile(f.at(u"cfg/LoginList4.txt"_s), "ann\r\n");
    writeTestFile(f.decoyFile(), kSecret + "\r\n");
    writeTestFile(QDir(f.decoyFolder()).filePath(u"decoy.txt"_s), kSecret + "\r\n");
    const Planted& planted = GetParam();
    const QString link = f.at(QString::fromUtf16(planted.linkAt));
    QDir().mkpath(QFileInfo(link).absolutePath());
    QDir(link).removeRecursively();
    QFile::remove(link);
    const QString target = planted.insideTarget ? QString::fromUtf16(planted.insideTarget)
                           : planted.toFolder   ? f.decoyFolder()
                                                : f.decoyFile();
    ASSERT_TRUE(QFile::link(target, link));
    const QByteArray before = treeHash(f.outside.path());
    const QStringList filesBefore = filesOf(f.app.path());

    const QString told = planted.act(f);

    EXPECT_EQ(treeHash(f.outside.path()), before) << "the decoy outside was changed";
    for (const QString& file : filesBefore) {
        EXPECT_TRUE(QFileInfo::exists(file)) << "removed: " << file.toStdString();
    }
    EXPECT_TRUE(told.contains(link)) << "told: " << told.toStdString();
    // Nothing of the decoy was copied in: only the planted link itself leads to it.
    QDirIterator it(f.app.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo file(it.next());
        if (file.isSymLink()) {
            continue;
        }
        QFile in(file.filePath());
        ASSERT_TRUE(in.open(QIODevice::ReadOnly));
        EXPECT_FALSE(in.readAll().contains(kSecret)) << file.filePath().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(EveryFileAndFolder, OutsideLinks, ::testing::ValuesIn(kPlanted),
                         [](const auto& param) {
                             QString name = QString::fromUtf8(param.param.name);
                             name.replace(u' ', u'_');
                             return name.toStdString();
                         });

TEST(InsideLinks, KeepWorkingAndAHostileJournalLinkIsDroppedUnread)
{
    Folders f;
    writeTestFile(f.at(u"morvane.ini"_s), "[options]\r\nfirst=no\r\n");
    writeTestFile(f.at(u"cfg/shared.txt"_s), "ann\r\n");
    ASSERT_TRUE(QFile::link(u"shared.txt"_s, f.at(u"cfg/LoginList4.txt"_s)));
    writeTestFile(f.decoyFile(), kSecret);
    ASSERT_TRUE(QFile::link(f.decoyFile(), journalPath(f.app.path())));

    WorkingCopy copy;
    const Outcome<KindLoad> load = loadKind(f.app.path(), u"LoginBox"_s, copy);
    ASSERT_TRUE(load.ok()) << load.message().toStdString();
    EXPECT_EQ(copy.list(ListFileId::LoginBoxLogins), QStringList{u"ann"_s});
    EXPECT_FALSE(QFileInfo(journalPath(f.app.path())).isSymLink());

    copy.list(ListFileId::LoginBoxLogins) = QStringList{u"bob"_s};
    ASSERT_TRUE(saveKind(f.app.path(), u"LoginBox"_s, copy).ok);
    QFile shared(f.at(u"cfg/shared.txt"_s));
    ASSERT_TRUE(shared.open(QIODevice::ReadOnly));
    EXPECT_EQ(shared.readAll(), "bob\r\n");

    QFile decoy(f.decoyFile());
    ASSERT_TRUE(decoy.open(QIODevice::ReadOnly));
    EXPECT_EQ(decoy.readAll(), kSecret);
}

} // namespace
