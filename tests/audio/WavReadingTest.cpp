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

EncodedWav encodeBytes(const QByteArray& bytes, qint64 blockSize = BlockReader::kDefaultBlockSize,
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
    const EncodedWav encoded = encodeBytes(GetParam().wav);
    ASSERT_TRUE(encoded.ok()) << static_cast<int>(encoded.error);
    EXPECT_EQ(encoded.muLaw.toHex(), GetParam().expected.toHex());
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
        ConvertingCase{"DataOfUnknownFormatTagReadAsPcm",
                       riffWave(chunk("fmt ", le16(3) + formatBody(1, 8012, 16).mid(2)) +
                                chunk("data", samples16({-100}))),
                       codes({-100})}),
    [](const testing::TestParamInfo<ConvertingCase>& param) { return param.param.name; });

struct RefusalCase {
    const char* name;
    QByteArray bytes;
    ConversionError error;
    qint64 detail;
};

class RefusalTest : public testing::TestWithParam<RefusalCase> {};

TEST_P(RefusalTest, FailsWithTheMatchingError)
{
    const EncodedWav encoded = encodeBytes(GetParam().bytes);
    EXPECT_EQ(encoded.error, GetParam().error);
    EXPECT_EQ(encoded.errorDetail, GetParam().detail);
    EXPECT_TRUE(encoded.muLaw.isEmpty());
}

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
    testing::Values(
        RefusalCase{"EmptyFile", {}, ConversionError::ReadError, 0},
        RefusalCase{"BigEndianRifx", QByteArray("RIFX") + kGood.mid(4), ConversionError::NotRiff,
                    0},
        RefusalCase{"VideoForm", kGood.left(8) + "AVI " + kGood.mid(12), ConversionError::NotWave,
                    0},
        RefusalCase{"CutInRiffSize", kGood.left(6), ConversionError::FieldReadError, 0},
        RefusalCase{"CutInFormType", kGood.left(10), ConversionError::ReadError, 0},
        RefusalCase{"CutInChunkId", kGood.left(14), ConversionError::ReadError, 0},
        RefusalCase{"CutInChunkSize", kGood.left(18), ConversionError::FieldReadError, 0},
        RefusalCase{"CutInFormatFields", kGood.left(30), ConversionError::FieldReadError, 0},
        RefusalCase{"NoDataChunk", riffWave(kFormat), ConversionError::ReadError, 0},
        RefusalCase{"RiffSizeEndsBeforeData", withRiffSize(kGood, 24), ConversionError::ReadError,
                    0},
        RefusalCase{"DataBeforeFormat", riffWave(chunk("data", samples16({1})) + kFormat),
                    ConversionError::ReadError, 0},
        RefusalCase{"TruncatedSamples", kGood.left(kGood.size() - 1), ConversionError::ReadError,
                    0},
        RefusalCase{"DataClaimsFourGigabytes", dataClaiming(0xFFFFFFFFu),
                    ConversionError::ReadError, 0},
        RefusalCase{"ChunkPassingTheEnd",
                    riffWave(kFormat + QByteArray("LIST") + le32(0xFFFFFFF0u) + "x"),
                    ConversionError::ReadError, 0},
        RefusalCase{"NoChannels", pcmWav(0, 8012, 16, samples16({1})),
                    ConversionError::UnsupportedChannels, 0},
        RefusalCase{"ThreeChannels", pcmWav(3, 8012, 16, samples16({1, 2, 3})),
                    ConversionError::UnsupportedChannels, 3},
        RefusalCase{"TwentyFourBits", pcmWav(1, 8012, 24, QByteArray(3, '\0')),
                    ConversionError::UnsupportedBits, 24},
        RefusalCase{"NoBits", pcmWav(1, 8012, 0, {}), ConversionError::UnsupportedBits, 0},
        RefusalCase{"RateZero", pcmWav(1, 0, 16, samples16({1})), ConversionError::UnsupportedRate,
                    0}),
    [](const testing::TestParamInfo<RefusalCase>& param) { return param.param.name; });

TEST(WavReading, DataClaimingMoreThanTheFileIsRefusedEvenWhenTheRiffSizeAgrees)
{
    const QByteArray bytes = withRiffSize(dataClaiming(1000), 0xFFFFFFFFu);
    EXPECT_EQ(encodeBytes(bytes).error, ConversionError::ReadError);
}

TEST(WavReading, LargestRiffSizeStillFindsTheData)
{
    const EncodedWav encoded = encodeBytes(withRiffSize(kGood, 0xFFFFFFFFu));
    ASSERT_TRUE(encoded.ok());
    EXPECT_EQ(encoded.muLaw, codes({1, 2, 3, 4}));
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

TEST(WavReading, BlockSizeDoesNotChangeTheResult)
{
    const QByteArray source = longStereoSource();
    const EncodedWav reference = encodeBytes(source);
    ASSERT_TRUE(reference.ok());
    EXPECT_NEAR(reference.muLaw.size(), 8012, 1);
    for (const qint64 blockSize : {16, 17, 4099, 65536}) {
        EXPECT_EQ(encodeBytes(source, blockSize).muLaw, reference.muLaw) << blockSize;
    }
}

TEST(WavReading, ProgressRisesToOne)
{
    std::vector<double> reported;
    const EncodedWav encoded = encodeBytes(longStereoSource(), 4096,
                                           [&](double fraction) { reported.push_back(fraction); });
    ASSERT_TRUE(encoded.ok());
    ASSERT_FALSE(reported.empty());
    EXPECT_TRUE(std::is_sorted(reported.begin(), reported.end()));
    EXPECT_GT(reported.front(), 0.0);
    EXPECT_EQ(reported.back(), 1.0);
}

} // namespace
} // namespace morvane::audio
