#include "WavBytes.h"

#include "audio/AuHeader.h"
#include "audio/DestinationName.h"
#include "audio/WavToAu.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace morvane::audio {
namespace {

using namespace test;
using namespace Qt::StringLiterals;

class ConversionFileTest : public testing::Test {
protected:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path(name);
    }
    static QByteArray contents(const QString& filePath)
    {
        QFile file(filePath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_dir;
};

TEST_F(ConversionFileTest, WritesHeaderAndSamplesAndReportsSuccess)
{
    const QString source = write(u"tone.wav"_s, pcmWav(1, 8012, 8, QByteArray(1000, '\x80')));
    const QString destination = path(u"tone.au"_s);
    const Result result = convertWavToAu(source, destination);
    ASSERT_TRUE(result.ok) << result.message.toStdString();
    EXPECT_EQ(successMessage(source, destination),
              u"Successfully converted "_s + source + u" to "_s + destination);
    EXPECT_EQ(contents(destination), auHeader(1000) + QByteArray(1000, '\xFF'));
}

TEST_F(ConversionFileTest, EmptyDataGivesAHeaderOnlyFile)
{
    const QString source = write(u"empty.wav"_s, pcmWav(2, 44100, 16, {}));
    const Result result = convertWavToAu(source, path(u"empty.au"_s));
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(contents(path(u"empty.au"_s)), auHeader(0));
}

TEST_F(ConversionFileTest, ReplacesAnExistingDestination)
{
    const QString source = write(u"a.wav"_s, pcmWav(1, 8012, 16, samples16({0})));
    const QString destination = write(u"a.au"_s, QByteArray(5000, 'x'));
    ASSERT_TRUE(convertWavToAu(source, destination).ok);
    EXPECT_EQ(contents(destination), auHeader(1) + QByteArray(1, '\xFF'));
}

TEST_F(ConversionFileTest, SourceMessagesNameTheSource)
{
    const QString missing = path(u"missing.wav"_s);
    const QString riff = write(u"x.wav"_s, QByteArray("RIFX0000WAVE"));
    const QString cut = write(u"cut.wav"_s, pcmWav(1, 8012, 16, samples16({1, 2})).chopped(1));
    const QString fieldCut = write(u"field.wav"_s, QByteArray("RIFF\1"));
    const QString nine = write(u"nine.wav"_s, pcmWav(9, 8012, 16, {}));
    const QString adpcm =
        write(u"adpcm.wav"_s, riffWave(chunk("fmt ", formatFields(2, 1, 8012, 256, 4)) +
                                       chunk("data", QByteArray(256, '\0'))));
    const struct {
        QString source;
        QString message;
    } cases[] = {
        {missing, u"Can't find the file: "_s + missing},
        {riff, u"Can't read "_s + riff + u": not a RIFF file !"_s},
        {cut, u"Can't read "_s + cut + u": read error !"_s},
        {fieldCut, u"Can't read "_s + fieldCut},
        {nine, u"Can't read "_s + nine + u": unsupported number of channels (9) !"_s},
        {adpcm, adpcm + u" is not a PCM sound: format 2"_s},
    };
    for (const auto& c : cases) {
        const Result result = convertWavToAu(c.source, path(u"out.au"_s));
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.message, c.message);
        EXPECT_FALSE(QFile::exists(path(u"out.au"_s))) << c.message.toStdString();
    }
}

TEST_F(ConversionFileTest, FailedReadLeavesAnExistingDestinationWhole)
{
    const QString source = write(u"cut.wav"_s, pcmWav(1, 8012, 16, samples16({1, 2})).chopped(1));
    const QString destination = write(u"keep.au"_s, QByteArray("old"));
    EXPECT_FALSE(convertWavToAu(source, destination).ok);
    EXPECT_EQ(contents(destination), QByteArray("old"));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files).size(), 2);
}

TEST_F(ConversionFileTest, UncreatableDestinationIsReported)
{
    const QString source = write(u"a.wav"_s, pcmWav(1, 8012, 16, samples16({0})));
    const QString destination = path(u"no/such/folder/a.au"_s);
    const Result result = convertWavToAu(source, destination);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message, u"Can't create "_s + destination);
}

TEST_F(ConversionFileTest, TheSourceIsNeverWrittenOverUnderAnyName)
{
    const QByteArray wav = pcmWav(1, 8012, 16, samples16({1, 2, 3}));
    const QString source = write(u"x.wav"_s, wav);
    const QString hardLink = path(u"hard.au"_s);
    const QString symbolicLink = path(u"soft.au"_s);
    ASSERT_EQ(
        ::link(QFile::encodeName(source).constData(), QFile::encodeName(hardLink).constData()), 0);
    ASSERT_TRUE(QFile::link(u"x.wav"_s, symbolicLink));
    const QStringList before = QDir(m_dir.path()).entryList(QDir::Files | QDir::System);
    const QString names[] = {source, m_dir.path() + u"/./x.wav"_s,
                             m_dir.path() + u"/../"_s + QDir(m_dir.path()).dirName() + u"/x.wav"_s,
                             hardLink, symbolicLink};
    for (const QString& destination : names) {
        const QString refusal =
            u"Can't create "_s + destination + u" (it is the sound being converted)"_s;
        EXPECT_EQ(convertWavToAu(source, destination).message, refusal);
        // The menu command encodes first, then writes where the user chose.
        EXPECT_EQ(writeAuFile(QByteArray(3, '\xFF'), destination, source).message, refusal);
        EXPECT_EQ(contents(source), wav);
        EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::System), before);
    }
}

enum class Special { Folder, Fifo, LinkToFifo, Device };

// Made inside the test folder only; a device is a copy of the null device, made as root only.
bool makeSpecial(Special kind, const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    switch (kind) {
    case Special::Folder:
        return QDir().mkdir(path);
    case Special::Fifo:
        return ::mkfifo(name.constData(), 0600) == 0;
    case Special::LinkToFifo:
        return makeSpecial(Special::Fifo, path + u".fifo"_s) &&
               QFile::link(QFileInfo(path).fileName() + u".fifo"_s, path);
    case Special::Device:
        return ::mknod(name.constData(), S_IFCHR | 0600, makedev(1, 3)) == 0;
    }
    return false;
}

bool stillOfItsKind(Special kind, const QString& path)
{
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0) {
        return false;
    }
    switch (kind) {
    case Special::Folder:
        return S_ISDIR(status.st_mode);
    case Special::Fifo:
        return S_ISFIFO(status.st_mode);
    case Special::LinkToFifo:
        return S_ISLNK(status.st_mode) && stillOfItsKind(Special::Fifo, path + u".fifo"_s);
    case Special::Device:
        return S_ISCHR(status.st_mode);
    }
    return false;
}

TEST_F(ConversionFileTest, SpecialFilesAtEitherEndAreRefusedUnreadAndLeftAsTheyAre)
{
    const QString wav = write(u"ok.wav"_s, pcmWav(1, 8012, 16, samples16({0})));
    const QString out = path(u"out.au"_s);
    const auto entries = [this] {
        return QDir(m_dir.path())
            .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)
            .join(u", "_s)
            .toStdString();
    };
    const bool asRoot = ::geteuid() == 0;
    const struct {
        const char* name;
        Special kind;
    } specials[] = {{"folder", Special::Folder},
                    {"fifo", Special::Fifo},
                    {"link to a fifo", Special::LinkToFifo},
                    {"device", Special::Device}};
    for (const auto& special : specials) {
        if (special.kind == Special::Device && !asRoot) {
            continue;
        }
        for (const bool atSource : {true, false}) {
            SCOPED_TRACE(std::string(special.name) + (atSource ? " as source" : " as destination"));
            const QString target = path(u"special"_s);
            ASSERT_TRUE(makeSpecial(special.kind, target));
            const std::string before = entries();

            const Result result =
                atSource ? convertWavToAu(target, out) : convertWavToAu(wav, target);
            const QString refusal = (atSource ? u"Can't open the file: "_s : u"Can't create "_s) +
                                    target + u" (not a regular file)"_s;
            EXPECT_EQ(result.message.toStdString(), refusal.toStdString());
            EXPECT_TRUE(stillOfItsKind(special.kind, target));
            EXPECT_EQ(entries(), before);

            QDir(target).removeRecursively();
            QFile::remove(target);
            QFile::remove(target + u".fifo"_s);
        }
    }
    if (!asRoot) {
        GTEST_SKIP() << "devices are made as root only; the other cases passed";
    }
}

TEST(DestinationName, ProposalReplacesTheLastFourCharacters)
{
    const struct {
        QString source;
        QString proposed;
    } cases[] = {
        {u"/music/song.wav"_s, u"/music/song.au"_s},
        {u"C:\\Sounds\\Bell.WAV"_s, u"C:\\Sounds\\Bell.au"_s},
        {u"/music/song.wave"_s, u"/music/song..au"_s},
        {u"/music/a.b"_s, u"/music.au"_s},
        {u"a.b"_s, u".au"_s},
        {u"/music.d/song"_s, QString()},
        {u"C:\\my.sounds\\song"_s, QString()},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(proposedDestinationName(c.source), c.proposed) << c.source.toStdString();
    }
}

TEST(DestinationName, AuIsAppendedUnlessPresentAnywhere)
{
    const struct {
        QString chosen;
        QString destination;
    } cases[] = {
        {u"/out/bell"_s, u"/out/bell.au"_s},
        {u"/out/bell.au"_s, u"/out/bell.au"_s},
        {u"/out/bell.AU"_s, u"/out/bell.AU.au"_s},
        {u"/my.audio/bell"_s, u"/my.audio/bell"_s},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(destinationWithAuExtension(c.chosen), c.destination) << c.chosen.toStdString();
    }
}

} // namespace
} // namespace morvane::audio
