#include "WavBytes.h"

#include "audio/MuLaw.h"
#include "audio/WavToAu.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace morvane::audio {
namespace {

using namespace test;
using namespace Qt::StringLiterals;

Outcome<QByteArray> encodeBytes(const QByteArray& bytes,
                                qint64 blockSize = BlockReader::kDefaultBlockSize,
                                const ProgressCallback& progress = {})
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return encodeWav(buffer, progress, blockSize);
}

QByteArray codes(std::initializer_list<int> samples)
{
    QByteArray bytes;
    for (const int sample : samples) {
        bytes.append(static_cast<char>(muLawEncode(sample)));
    }
    return bytes;
}

QByteArray repeated(const QByteArray& unit, int count)
{
    return unit.repeated(count);
}

struct ConvertingCase {
    const char* name;
    QByteArray wav;
    QByteArray expected;
};

class ConvertingTest : public testing::TestWithParam<ConvertingCase> {};

TEST_P(ConvertingTest, GivesTheExpectedMuLawBytes)
{
    const Outcome<QByteArray> encoded = encodeBytes(GetParam().wav);
    ASSERT_TRUE(encoded.ok()) << encoded.message().toStdString();
    EXPECT_EQ(encoded->toHex(), GetParam().expected.toHex());
}

const QByteArray kMonoData = samples16({0, -1, 100, -100, 1000, -1000, 8000, 32767, -32768});
const QByteArray kMonoCodes = codes({0, -1, 100, -100, 1000, -1000, 8000, 32767, -32768});

INSTANTIATE_TEST_SUITE_P(
    Sources, ConvertingTest,
    testing::Values(
        ConvertingCase{"Mono8012KeptAsIs", pcmWav(1, 8012, 16, kMonoData), kMonoCodes},
        ConvertingCase{"Mono8000KeepsEverySample", pcmWav(1, 8000, 16, kMonoData), kMonoCodes},
        ConvertingCase{"EightBitSilence", pcmWav(1, 8012, 8, QByteArray(5, '\x80')),
                       QByteArray(5, '\xFF')},
        ConvertingCase{"EightBitExtremes", pcmWav(1, 8012, 8, QByteArray::fromHex("00ff7f")),
                       codes({-32768, 32512, -256})},
        ConvertingCase{"StereoCancelling",
                       pcmWav(2, 8012, 16, repeated(samples16({1000, -1000}), 4)),
                       QByteArray(4, '\xFF')},
        ConvertingCase{"StereoMixTruncatesTowardZero",
                       pcmWav(2, 8012, 16, samples16({1, 0, -3, 0, 32767, 32767})),
                       codes({0, -1, 32767})},
        ConvertingCase{"EightBitStereoMix", pcmWav(2, 8012, 8, QByteArray::fromHex("8090")),
                       codes({2048})},
        ConvertingCase{"EmptyData", pcmWav(1, 44100, 16, {}), {}},
        ConvertingCase{"PartialFrameIgnored",
                       pcmWav(2, 8012, 16, samples16({100, 100, 200}) + QByteArray(1, '\0')),
                       codes({100})},
        ConvertingCase{"ListChunkPassedOver",
                       riffWave(chunk("fmt ", formatBody(1, 8012, 16)) +
                                chunk("LIST", QByteArray("INFOISFT\4\0\0\0abcd", 16)) +
                                chunk("data", samples16({100, -100}))),
                       codes({100, -100})},
        ConvertingCase{
            "EighteenByteFormat",
            riffWave(chunk("fmt ", formatBody(1, 8012, 16, 18)) + chunk("data", samples16({1000}))),
            codes({1000})},
        ConvertingCase{"OddChunkPadBytePassedOver",
                       riffWave(chunk("fmt ", formatBody(1, 8012, 16)) + chunk("note", "abc") +
                                QByteArray(1, '\0') + chunk("data", samples16({8000}))),
                       codes({8000})},
        ConvertingCase{"RampAtTwiceTheRate",
                       pcmWav(1, 16024, 16, samples16({1,  2,  3,  4,  5,  6,  7,  8,  9,  10,
                                                       11, 12, 13, 14, 15, 16, 17, 18, 19, 20})),
                       codes({2, 4, 6, 8, 10, 12, 14, 16, 18})},
        ConvertingCase{"RampAtHalfTheRateInterpolatedAndLastHeld",
                       pcmWav(1, 4006, 16, samples16({0, 1000})), codes({0, 500, 1000, 1000})},
        ConvertingCase{"TwentyFourBitsKeepTheirTopBits",
                       pcmWav(1, 8012, 24, QByteArray::fromHex("ff7f00000080ffffff")),
                       codes({127, -32768, -1})},
        ConvertingCase{"SixChannelsGiveTheirMeanTruncated",
                       pcmWav(6, 8012, 16, samples16({6, 6, 6, 6, 6, -1, -7, 0, 0, 0, 0, 0})),
                       codes({4, -1})},
        ConvertingCase{"ExtensibleFloatClipsAndSilencesNaN",
                       riffWave(chunk("fmt ", extensibleBody(1, 8012, 32, subFormatGuid(3))) +
                                chunk("data", QByteArray::fromHex("0000003f"
                                                                  "00000040"
                                                                  "000080ff"
                                                                  "0000c07f"))),
                       codes({16384, 32767, -32768, 0})}),
    [](const testing::TestParamInfo<ConvertingCase>& param) { return param.param.name; });

struct RefusalCase {
    const char* name;
    QByteArray bytes;
    QString message;
};

class RefusalTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(RefusalTest, FailsWithTheMatchingMessage)
{
    const Outcome<QByteArray> encoded = encodeBytes(GetParam().bytes);
    EXPECT_FALSE(encoded.ok());
    EXPECT_EQ(encoded.message().toStdString(), GetParam().message.toStdString());
}

const QString kReadError = u"Can't read the input: read error !"_s;
const QString kFieldCut = u"Can't read the input"_s;

const QByteArray kFormat = chunk("fmt ", formatBody(1, 8012, 16));
const QByteArray kGood = pcmWav(1, 8012, 16, samples16({1, 2, 3, 4}));

QByteArray withRiffSize(QByteArray bytes, quint32 size)
{
    return bytes.replace(4, 4, le32(size));
}

QByteArray dataClaiming(quint32 size)
{
    return riffWave(kFormat + QByteArray("data") + le32(size) + samples16({1, 2}));
}

INSTANTIATE_TEST_SUITE_P(
    Headers, RefusalTest,
    testing::Values(RefusalCase{"EmptyFile", {}, kReadError},
                    RefusalCase{"BigEndianRifx", QByteArray("RIFX") + kGood.mid(4),
                                u"Can't read the input: not a RIFF file !"_s},
                    RefusalCase{"VideoForm", kGood.left(8) + "AVI " + kGood.mid(12),
                                u"Can't read the input: not a WAVE file !"_s},
                    RefusalCase{"CutInRiffSize", kGood.left(6), kFieldCut},
                    RefusalCase{"CutInFormType", kGood.left(10), kReadError},
                    RefusalCase{"CutInChunkId", kGood.left(14), kReadError},
                    RefusalCase{"CutInChunkSize", kGood.left(18), kFieldCut},
                    RefusalCase{"CutInFormatFields", kGood.left(30), kFieldCut},
                    RefusalCase{"NoDataChunk", riffWave(kFormat), kReadError},
                    RefusalCase{"RiffSizeEndsBeforeData", withRiffSize(kGood, 24), kReadError},
                    RefusalCase{"DataBeforeFormat",
                                riffWave(chunk("data", samples16({1})) + kFormat), kReadError},
                    RefusalCase{"TruncatedSamples", kGood.left(kGood.size() - 1), kReadError},
                    RefusalCase{"DataClaimsFourGigabytes", dataClaiming(0xFFFFFFFFu), kReadError},
                    RefusalCase{"ChunkPassingTheEnd",
                                riffWave(kFormat + QByteArray("LIST") + le32(0xFFFFFFF0u) + "x"),
                                kReadError},
                    RefusalCase{"NoChannels", pcmWav(0, 8012, 16, samples16({1})),
                                u"Can't read the input: unsupported number of channels (0) !"_s},
                    RefusalCase{"NineChannels", pcmWav(9, 8012, 8, QByteArray(9, '\0')),
                                u"Can't read the input: unsupported number of channels (9) !"_s},
                    RefusalCase{"TwelveBits", pcmWav(1, 8012, 12, QByteArray(2, '\0')),
                                u"Can't read the input: unsupported bits per sample (12) !"_s},
                    RefusalCase{"NoBits", pcmWav(1, 8012, 0, {}),
                                u"Can't read the input: unsupported bits per sample (0) !"_s},
                    RefusalCase{"RateZero", pcmWav(1, 0, 16, samples16({1})),
                                u"Can't read the input: unsupported sample rate (0) !"_s},
                    RefusalCase{"RateBelowTheSlowest", pcmWav(1, 999, 16, samples16({1})),
                                u"Can't read the input: unsupported sample rate (999) !"_s}),
    [](const testing::TestParamInfo<RefusalCase>& param) { return param.param.name; });

QByteArray withFormat(const QByteArray& body)
{
    return riffWave(chunk("fmt ", body) + chunk("data", samples16({1, 2, 3, 4})));
}

// Samples stored in a way the encoder does not know are never converted, whatever else fits.
INSTANTIATE_TEST_SUITE_P(
    Formats, RefusalTest,
    testing::Values(
        RefusalCase{"Adpcm", withFormat(formatFields(2, 1, 8012, 256, 4)),
                    u"the input is not a PCM sound: format 2"_s},
        RefusalCase{"ExtensibleOfAnUnknownGuid",
                    withFormat(extensibleBody(
                        2, 8012, 16, QByteArray::fromHex("0123456789abcdef0123456789abcdef"))),
                    u"the input is not a PCM sound: format 65534 "
                    "(sub-format 67452301-ab89-efcd-0123-456789abcdef)"_s},
        RefusalCase{"ExtensibleOfAdpcm", withFormat(extensibleBody(1, 8012, 4, subFormatGuid(2))),
                    u"the input is not a PCM sound: format 65534 "
                    "(sub-format 00000002-0000-0010-8000-00aa00389b71)"_s},
        RefusalCase{"ExtensibleWithoutItsSubFormat",
                    withFormat(formatFields(0xFFFE, 1, 8012, 2, 16)),
                    u"the input is not a PCM sound: format 65534"_s},
        RefusalCase{"FloatOfSixteenBits", withFormat(formatFields(3, 1, 8012, 2, 16)),
                    u"Can't read the input: unsupported bits per sample (16) !"_s},
        RefusalCase{"MuLawOfSixteenBits", withFormat(formatFields(7, 1, 8012, 2, 16)),
                    u"Can't read the input: unsupported bits per sample (16) !"_s},
        RefusalCase{"ExtensiblePcmOfTwelveBits",
                    withFormat(extensibleBody(1, 8012, 12, subFormatGuid(1))),
                    u"Can't read the input: unsupported bits per sample (12) !"_s},
        RefusalCase{"BlockAlignOfHalfAFrame", withFormat(formatFields(1, 2, 8012, 2, 16)),
                    u"Can't read the input: unsupported block align (2) !"_s},
        RefusalCase{"BlockAlignOfTwoFrames", withFormat(formatFields(1, 1, 8012, 2, 8)),
                    u"Can't read the input: unsupported block align (2) !"_s}),
    [](const testing::TestParamInfo<RefusalCase>& param) { return param.param.name; });

TEST(WavReading, DataClaimingMoreThanTheFileIsRefusedEvenWhenTheRiffSizeAgrees)
{
    const QByteArray bytes = withRiffSize(dataClaiming(1000), 0xFFFFFFFFu);
    EXPECT_EQ(encodeBytes(bytes).message(), kReadError);
}

TEST(WavReading, LargestRiffSizeStillFindsTheData)
{
    const Outcome<QByteArray> encoded = encodeBytes(withRiffSize(kGood, 0xFFFFFFFFu));
    ASSERT_TRUE(encoded.ok());
    EXPECT_EQ(encoded.value(), codes({1, 2, 3, 4}));
}

QByteArray longStereoSource()
{
    QList<int> samples;
    for (int i = 0; i < 44100; ++i) {
        samples.append(static_cast<int>((qint64{i} * 7919) % 65536) - 32768);
        samples.append(static_cast<int>((qint64{i} * 104729) % 65536) - 32768);
    }
    return riffWave(chunk("fmt ", formatBody(2, 44100, 16)) + chunk("junk", QByteArray(7, 'j')) +
                    QByteArray(1, '\0') + chunk("data", samples16(samples)));
}

// One second of three channels of 24 bits at a slow rate: frames of nine bytes, and a rate
// brought up, whose state crosses every block boundary.
QByteArray slowThreeChannelSource()
{
    QByteArray data(5512 * 9, Qt::Uninitialized);
    quint32 seed = 99;
    for (char& byte : data) {
        seed = seed * 1664525u + 1013904223u;
        byte = static_cast<char>(seed >> 24);
    }
    return pcmWav(3, 5512, 24, data);
}

TEST(WavReading, BlockSizeDoesNotChangeTheResult)
{
    for (const QByteArray& source : {longStereoSource(), slowThreeChannelSource()}) {
        const Outcome<QByteArray> reference = encodeBytes(source);
        ASSERT_TRUE(reference.ok());
        EXPECT_NEAR(reference->size(), 8012, 1);
        for (const qint64 blockSize : {16, 17, 4099, 65536}) {
            EXPECT_EQ(encodeBytes(source, blockSize).valueOr({}), reference.value()) << blockSize;
        }
    }
}

TEST(WavReading, ProgressRisesToOne)
{
    std::vector<double> reported;
    const Outcome<QByteArray> encoded = encodeBytes(
        longStereoSource(), 4096, [&](double fraction) { reported.push_back(fraction); });
    ASSERT_TRUE(encoded.ok());
    ASSERT_FALSE(reported.empty());
    EXPECT_TRUE(std::is_sorted(reported.begin(), reported.end()));
    EXPECT_GT(reported.front(), 0.0);
    EXPECT_EQ(reported.back(), 1.0);
}

} // namespace
} // namespace morvane::audio
