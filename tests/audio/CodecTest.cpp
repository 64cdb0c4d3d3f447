#include "audio/AuHeader.h"
#include "audio/MuLaw.h"
#include "audio/RateConverter.h"

#include <gtest/gtest.h>

#include <vector>

namespace morvane::audio {
namespace {

struct MuLawCase {
    int sample;
    quint8 code;
};

class MuLawTest : public testing::TestWithParam<MuLawCase> {};

TEST_P(MuLawTest, EncodesWithBiasClipAndZeroTrap)
{
    EXPECT_EQ(muLawEncode(GetParam().sample), GetParam().code) << GetParam().sample;
}

INSTANTIATE_TEST_SUITE_P(Examples, MuLawTest,
                         testing::Values(MuLawCase{0, 0xFF}, MuLawCase{-1, 0x7F},
                                         MuLawCase{100, 0xF2}, MuLawCase{-100, 0x72},
                                         MuLawCase{1000, 0xCE}, MuLawCase{-1000, 0x4E},
                                         MuLawCase{8000, 0xA0}, MuLawCase{32767, 0x80},
                                         MuLawCase{-32768, 0x02}, MuLawCase{32635, 0x80},
                                         MuLawCase{-32635, 0x02}, MuLawCase{255, 0xE7}));

TEST(AuHeader, HoldsSizeEncodingRateChannelsAndAnnotationBigEndian)
{
    const QByteArray expected = QByteArray::fromHex("2E736E64"
                                                    "0000001C"
                                                    "000003E8"
                                                    "00000001"
                                                    "00001F4C"
                                                    "00000001"
                                                    "77766175");
    EXPECT_EQ(auHeader(1000), expected);
    EXPECT_EQ(auHeader(0).size(), kAuHeaderSize);
}

std::vector<int> convert(double rate, const std::vector<int>& inputs)
{
    RateConverter converter(rate);
    std::vector<int> outputs;
    for (const int input : inputs) {
        int output;
        if (converter.push(input, output)) {
            outputs.push_back(output);
        }
    }
    return outputs;
}

// The number of inputs behind each output.
std::vector<int> groupSizes(double rate, int inputCount)
{
    RateConverter converter(rate);
    std::vector<int> sizes;
    int gathered = 0;
    for (int i = 0; i < inputCount; ++i) {
        ++gathered;
        int output;
        if (converter.push(0, output)) {
            sizes.push_back(gathered);
            gathered = 0;
        }
    }
    return sizes;
}

TEST(RateConverter, TwiceTheRateAveragesPairsAfterAFirstGroupOfThree)
{
    std::vector<int> ramp;
    for (int i = 1; i <= 20; ++i) {
        ramp.push_back(i);
    }
    EXPECT_EQ(convert(16024, ramp), (std::vector<int>{2, 4, 6, 8, 10, 12, 14, 16, 18}));
}

TEST(RateConverter, AveragesTruncateTowardZero)
{
    EXPECT_EQ(convert(16024, {-1, -2, -2, -3, -4}), (std::vector<int>{-1, -3}));
}

struct GroupingCase {
    double rate;
    int smallest;
    int largest;
};

class RateGroupingTest : public testing::TestWithParam<GroupingCase> {};

TEST_P(RateGroupingTest, GroupsHoldOneOfTwoNeighbouringSizes)
{
    const GroupingCase grouping = GetParam();
    const int seconds = 3;
    const std::vector<int> sizes =
        groupSizes(grouping.rate, static_cast<int>(grouping.rate) * seconds);
    ASSERT_FALSE(sizes.empty());
    for (const int size : sizes) {
        ASSERT_GE(size, grouping.smallest);
        ASSERT_LE(size, grouping.largest);
    }
    EXPECT_NEAR(static_cast<double>(sizes.size()), kAuSampleRate * seconds, 1.0);
}

INSTANTIATE_TEST_SUITE_P(CommonRates, RateGroupingTest,
                         testing::Values(GroupingCase{11025, 1, 2}, GroupingCase{22050, 2, 3},
                                         GroupingCase{44100, 5, 6}, GroupingCase{48000, 5, 6},
                                         GroupingCase{96000, 11, 12}));

} // namespace
} // namespace morvane::audio
