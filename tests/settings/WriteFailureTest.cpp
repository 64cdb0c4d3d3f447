// Every file the program writes, written when the data cannot all reach the disk: each writer
// must report the failure and leave the file it replaces whole.
#include "FileSizeLimit.h"
#include "TestFiles.h"
#include "audio/WavToAu.h"
#include "generator/GenerationContext.h"
#include "generator/NeededFiles.h"
#include "generator/Preview.h"
#include "generator/kinds/OtherColumnsSteps.h"
#include "settings/AtomicFile.h"
#include "settings/FirstRun.h"
#include "settings/ListFiles.h"
#include "settings/Options.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <sys/mount.h>

using namespace morvane;
using namespace Qt::StringLiterals;
using catalog::ListFileId;

namespace {

// Under the 16 KB a save file buffers, so the data reaches the disk only inside the commit.
constexpr qsizetype kNewSize = 5 * 1024;

using morvane::test::writeTestFile;

// Every file under the folder with its content.
std::map<QString, QByteArray> snapshot(const QString& folder)
{
    std::map<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        files[QDir(folder).relativeFilePath(path)] =
            file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }
    return files;
}

QString longText(char fill)
{
    return QString(kNewSize, QLatin1Char(fill));
}

struct Writer {
    const char* name;
    std::function<void(const QString& app)> prepare; // the old files
    std::function<bool(const QString& app)> write;   // true when it reported success
};

bool saveLoginBox(const QString& app)
{
    settings::WorkingCopy copy;
    copy.specific(u"LoginBox"_s).setText(u"LoginText"_s, longText('n'));
    copy.list(ListFileId::LoginBoxLogins) = QStringList{longText('l')};
    copy.list(ListFileId::LoginBoxPasswords) = QStringList{longText('p')};
    return settings::saveKind(app, u"LoginBox"_s, copy).ok;
}

bool savePasswordFile(const QString& app)
{
    settings::WorkingCopy copy;
    copy.list(ListFileId::LoginBoxLogins) = QStringList{longText('l')};
    const generator::GenerationInput input{u"LoginBox"_s, copy, {}, app};
    generator::GenerationContext ctx(input);
    return generator::writeLoginPasswordFile(ctx);
}

const Writer kWriters[] = {
    {"settings file",
     [](const QString& app) {
         writeTestFile(settings::profilePath(app), "[Stars]\r\nPause=1\r\n");
     },
     [](const QString& app) {
         settings::WorkingCopy copy;
         copy.specific(u"Stars"_s).setText(u"Pause"_s, longText('9'));
         return settings::saveKind(app, u"Stars"_s, copy).ok;
     }},
    {"settings and list files of a kind",
     [](const QString& app) {
         writeTestFile(settings::profilePath(app), "[LoginBox]\r\nLoginText=old\r\n");
         writeTestFile(settings::listFilePath(app, u"LoginList4.txt"_s), "ann\r\n");
         writeTestFile(settings::listFilePath(app, u"PasswordList4.txt"_s), "secret\r\n");
     },
     saveLoginBox},
    {"options",
     [](const QString& app) {
         writeTestFile(settings::profilePath(app), "[options]\r\nfirst=no\r\n");
     },
     [](const QString& app) {
         settings::Options options;
         options.lastFolder = longText('f');
         return settings::saveOptions(app, options).ok;
     }},
    {"custom colors",
     [](const QString& app) { writeTestFile(settings::customColorsPath(app), "255\r\n"); },
     [](const QString& app) {
         return settings::saveCustomColors(app, QStringList(1000, u"16777215"_s)).ok;
     }},
    {"pass.txt",
     [](const QString& app) {
         writeTestFile(settings::listFilePath(app, u"pass.txt"_s), "a b c\r\n");
     },
     savePasswordFile},
    {"saved HTML",
     [](const QString& app) { writeTestFile(app + u"/page.html"_s, "<p>old</p>\r\n"); },
     [](const QString& app) {
         return settings::writeTextLines(app + u"/page.html"_s, {longText('h')}, {app}).ok;
     }},
    {"preview page", [](const QString& app) { QDir(app).mkpath(u"test"_s); },
     [](const QString& app) {
         return generator::preparePreview(app, u"Stars"_s, {longText('h')}, {}).ok();
     }},
    {"AU output", [](const QString& app) { writeTestFile(app + u"/out.au"_s, "old sound"); },
     [](const QString& app) {
         return audio::writeAuFile(QByteArray(8016, '\x7f'), app + u"/out.au"_s).ok;
     }},
    {"first-run media copies",
     [](const QString& app) {
         writeTestFile(settings::profilePath(app), "[options]\r\nfirst=yes\r\n");
         for (const settings::SampleMedia& row : settings::sampleMediaTable()) {
             for (const QString& file : row.files) {
                 writeTestFile(app + u"/images&sounds/"_s + file, "media");
             }
         }
         // The first copy is the one that fails.
         writeTestFile(app + u"/images&sounds/chrismas.jpg"_s, QByteArray(kNewSize, 'j'));
     },
     [](const QString& app) { return settings::runFirstRun(app).ok(); }},
    {"needed files copy",
     [](const QString& app) {
         writeTestFile(app + u"/media/sound.au"_s, QByteArray(kNewSize, 's'));
         writeTestFile(app + u"/site/sound.au"_s, "old");
     },
     [](const QString& app) {
         return generator::copyFileIntoFolder(u"media/sound.au"_s, u"site"_s, app).ok;
     }},
};

class WriteFailure : public ::testing::TestWithParam<Writer> {};

TEST_P(WriteFailure, ReportedAndTheOldFileStaysWholeWhenTheFileSizeLimitIsHit)
{
    QTemporaryDir app;
    GetParam().prepare(app.path());
    const auto before = snapshot(app.path());
    bool reported = false;
    {
        const FileSizeLimit limit(4096);
        reported = !GetParam().write(app.path());
    }
    EXPECT_TRUE(reported);
    EXPECT_EQ(snapshot(app.path()), before); // no cut file, no temporary file left behind
}

// A real full file system: a small tmpfs mounted for the test, filled before the write.
class FullDisk {
public:
    FullDisk()
    {
        m_mounted = m_dir.isValid() && ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(),
                                               "tmpfs", 0, "size=512k") == 0;
    }
    ~FullDisk()
    {
        if (m_mounted) {
            ::umount(QFile::encodeName(m_dir.path()).constData());
        }
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    bool mounted() const { return m_mounted; }
    QString app() const { return m_dir.filePath(u"app"_s); }
    void fill()
    {
        QFile filler(m_dir.filePath(u"filler"_s));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size()) {
        }
    }
    void clear()
    {
        QDir(app()).removeRecursively();
        QFile::remove(m_dir.filePath(u"filler"_s));
        QDir().mkpath(app());
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

TEST_P(WriteFailure, ReportedAndTheOldFileStaysWholeOnAFullDisk)
{
    FullDisk disk;
    if (!disk.mounted()) {
        GTEST_SKIP() << "mounting a small tmpfs was refused; the full-disk case is not run";
    }
    disk.clear();
    GetParam().prepare(disk.app());
    const auto before = snapshot(disk.app());
    disk.fill();
    EXPECT_FALSE(GetParam().write(disk.app()));
    EXPECT_EQ(snapshot(disk.app()), before);
}

INSTANTIATE_TEST_SUITE_P(EveryWriter, WriteFailure, ::testing::ValuesIn(kWriters),
                         [](const auto& writer) {
                             std::string name;
                             for (const char c : std::string(writer.param.name)) {
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             }
                             return name;
                         });

TEST(WriteFailure, TheSameWritesSucceedWithoutALimit)
{
    for (const Writer& writer : kWriters) {
        QTemporaryDir app;
        writer.prepare(app.path());
        EXPECT_TRUE(writer.write(app.path())) << writer.name;
    }
}

} // namespace
