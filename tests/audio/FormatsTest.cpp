#include "WavBytes.h"

#include "audio/AuHeader.h"
#include "audio/WavToAu.h"

#include <QBuffer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace morvane::audio {
namespace {

using namespace test;
using namespace Qt::StringLiterals;

QList<int> rawSamples(const QByteArray& bytes)
{
    QList<int> samples;
    for (qsizetype at = 0; at + 1 < bytes.size(); at += 2) {
        samples.append(qFromLittleEndian<qint16>(bytes.constData() + at));
    }
    return samples;
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct SoxCase {
    const char* name;
    QStringList storage;
    int channels;
    // What the file's format tag says: sox writes an extensible header past 16 bits and past
    // two channels of integers.
    int formatTag;
};

class SoxFormatsTest : public testing::TestWithParam<SoxCase> {
protected:
    void SetUp() override
    {
        m_sox = QStandardPaths::findExecutable(u"sox"_s);
        if (m_sox.isEmpty()) {
            GTEST_SKIP() << "sox is not installed: these cases compare the conversion with it";
        }
    }

    void sox(const QStringList& arguments) const
    {
        QProcess process;
        process.start(m_sox, QStringList{u"-D"_s} + arguments);
        ASSERT_TRUE(process.waitForFinished(-1));
        ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    }
    QString path(const QString& name) const { return m_dir.filePath(name); }

    QString m_sox;
    QTemporaryDir m_dir;
};

// A short chord, a different tone on each channel, in the case's storage, at the AU rate so that
// no rate conversion blurs the comparison: our output, decoded by sox, is sox's own mix of the
// same file to 16 bits within one mu-law step.
TEST_P(SoxFormatsTest, ConvertsAsSoxMixesWithinAMuLawStep)
{
    const SoxCase& format = GetParam();
    const QString wav = path(u"in.wav"_s);
    ASSERT_NO_FATAL_FAILURE(
        sox(QStringList{u"-n"_s, u"-r"_s, u"8012"_s, u"-c"_s, QString::number(format.channels)} +
            format.storage +
            QStringList{wav, u"synth"_s, u"0.25"_s, u"sine"_s, u"300"_s, u"sine"_s, u"500"_s,
                        u"sine"_s, u"700"_s, u"vol"_s, u"0.8"_s}));
    ASSERT_EQ(qFromLittleEndian<quint16>(contents(wav).constData() + 20), format.formatTag);

    const QString au = path(u"out.au"_s);
    const Result converted = convertWavToAu(wav, au);
    ASSERT_TRUE(converted.ok) << converted.message.toStdString();
    const QByteArray output = contents(au);
    EXPECT_EQ(output.left(kAuHeaderSize),
              auHeader(static_cast<quint32>(output.size() - kAuHeaderSize)));

    const QStringList toRaw{u"-t"_s, u"raw"_s, u"-b"_s, u"16"_s, u"-e"_s, u"signed-integer"_s};
    ASSERT_NO_FATAL_FAILURE(
        sox(QStringList{wav, u"-c"_s, u"1"_s} + toRaw + QStringList{path(u"mix.raw"_s)}));
    ASSERT_NO_FATAL_FAILURE(sox(QStringList{au} + toRaw + QStringList{path(u"out.raw"_s)}));
    const QList<int> expected = rawSamples(contents(path(u"mix.raw"_s)));
    const QList<int> actual = rawSamples(contents(path(u"out.raw"_s)));
    ASSERT_EQ(actual.size(), expected.size());
    ASSERT_EQ(actual.size(), 2003);
    int misses = 0;
    for (qsizetype i = 0; i < actual.size(); ++i) {
        // A mu-law step is a sixteenth of the level, and 8 near silence.
        const int step = std::max(std::abs(expected[i]), std::abs(actual[i])) / 16 + 8;
        if (std::abs(actual[i] - expected[i]) > step) {
            ++misses;
            ADD_FAILURE() << "sample " << i << ": " << actual[i] << " for " << expected[i];
        }
        if (misses > 5) {
            break;
        }
    }
}

QStringList storage(int bits, const QString& encoding)
{
    return {u"-b"_s, QString::number(bits), u"-e"_s, encoding};
}

const QString kSigned = u"signed-integer"_s;
const QString kFloat = u"floating-point"_s;

INSTANTIATE_TEST_SUITE_P(
    Storage, SoxFormatsTest,
    testing::Values(SoxCase{"Unsigned8Mono", storage(8, u"unsigned-integer"_s), 1, 1},
                    SoxCase{"Signed16Stereo", storage(16, kSigned), 2, 1},
                    SoxCase{"Signed24Mono", storage(24, kSigned), 1, 0xFFFE},
                    SoxCase{"Signed32Stereo", storage(32, kSigned), 2, 0xFFFE},
                    SoxCase{"Float32Mono", storage(32, kFloat), 1, 3},
                    SoxCase{"Float64Stereo", storage(64, kFloat), 2, 3},
                    SoxCase{"MuLawMono", storage(8, u"mu-law"_s), 1, 7},
                    SoxCase{"ALawStereo", storage(8, u"a-law"_s), 2, 6},
                    SoxCase{"Signed16ThreeChannels", storage(16, kSigned), 3, 0xFFFE},
                    SoxCase{"Signed24SixChannels", storage(24, kSigned), 6, 0xFFFE},
                    SoxCase{"Float32EightChannels", storage(32, kFloat), 8, 3}),
    [](const testing::TestParamInfo<SoxCase>& param) { return param.param.name; });

// One second keeps its length at every rate below the AU rate, but 8000 Hz keeps one output per
// input; a faster rate gives about one second too.
TEST(SourceRates, OneSecondLastsOneSecond)
{
    const struct {
        quint32 rate;
        qsizetype samples;
    } cases[] = {{1000, 8012}, {4000, 8012}, {5512, 8012},  {7999, 8012},
                 {8000, 8000}, {8012, 8012}, {11025, 8012}, {44100, 8012}};
    for (const auto& c : cases) {
        QList<int> ramp;
        for (quint32 i = 0; i < c.rate; ++i) {
            ramp.append(static_cast<int>(i % 2000) - 1000);
        }
        QByteArray wav = pcmWav(1, c.rate, 16, samples16(ramp));
        QBuffer buffer(&wav);
        buffer.open(QIODevice::ReadOnly);
        const Outcome<QByteArray> encoded = encodeWav(buffer);
        ASSERT_TRUE(encoded.ok()) << encoded.message().toStdString();
        EXPECT_NEAR(encoded->size(), c.samples, 1) << c.rate;
    }
}

} // namespace
} // namespace morvane::audio
