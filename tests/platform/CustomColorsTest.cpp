#include "platform/CustomColors.h"
#include "platform/ColorRef.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace morvane::platform {
namespace {

TEST(CustomColors, WritesSixUpperCaseHexDigitsOfTheColorrefInLetterOrder)
{
    CustomColors colors;
    colors[0] = 0x0000FFu; // pure red reads blue, green, red
    colors[1] = 0x000001u;
    colors[15] = 0xABCDEFu;
    EXPECT_EQ(linesFromCustomColors(colors),
              (QStringList{u"ColorA=0000FF"_s, u"ColorB=000001"_s, u"ColorP=ABCDEF"_s}));
}

TEST(CustomColors, SixteenLinesReadBackUnchanged)
{
    CustomColors colors;
    for (int i = 0; i < customColorCount; ++i) {
        colors[std::size_t(i)] = quint32(i) * 0x0F0F0Fu;
    }
    const QStringList lines = linesFromCustomColors(colors);
    EXPECT_EQ(lines.size(), customColorCount);
    EXPECT_EQ(customColorsFromLines(lines), colors);
}

TEST(CustomColors, EmptyFileLeavesEveryEntryUnset)
{
    EXPECT_EQ(customColorsFromLines({}), CustomColors{});
    EXPECT_TRUE(linesFromCustomColors(CustomColors{}).isEmpty());
}

struct ReadCase {
    const char* why;
    QStringList lines;
    int index;
    std::optional<quint32> expected;
};

class CustomColorLine : public ::testing::TestWithParam<ReadCase> {};

TEST_P(CustomColorLine, ReadsOrLeavesUnset)
{
    const ReadCase& c = GetParam();
    EXPECT_EQ(customColorsFromLines(c.lines)[std::size_t(c.index)], c.expected) << c.why;
}

INSTANTIATE_TEST_SUITE_P(
    Table, CustomColorLine,
    ::testing::Values(
        ReadCase{"plain", {u"ColorC=00FF00"_s}, 2, 0x00FF00u},
        ReadCase{"name and digits in another case", {u"colord=abcdef"_s}, 3, 0xABCDEFu},
        ReadCase{"fewer digits", {u"ColorE=FF"_s}, 4, 0xFFu},
        ReadCase{"blanks around the value", {u"ColorF= 123456 "_s}, 5, 0x123456u},
        ReadCase{"missing entry", {u"ColorA=000000"_s}, 6, std::nullopt},
        ReadCase{"not hexadecimal", {u"ColorA=GGGGGG"_s}, 0, std::nullopt},
        ReadCase{"empty value", {u"ColorA="_s}, 0, std::nullopt},
        ReadCase{"sign", {u"ColorA=-1"_s}, 0, std::nullopt},
        ReadCase{"wider than a color", {u"ColorA=1000000"_s}, 0, std::nullopt},
        ReadCase{"first line of a name wins", {u"ColorB=000010"_s, u"ColorB=000020"_s}, 1, 0x10u},
        ReadCase{"unreadable first line still wins",
                 {u"ColorB=zz"_s, u"ColorB=000020"_s},
                 1,
                 std::nullopt},
        ReadCase{"line order does not matter", {u"ColorP=000001"_s, u"ColorA=000002"_s}, 15, 1u},
        ReadCase{"seventeenth letter ignored", {u"ColorQ=000001"_s}, 15, std::nullopt},
        ReadCase{"no letter", {u"Color=000001"_s}, 0, std::nullopt},
        ReadCase{"no equals sign", {u"ColorA 000001"_s}, 0, std::nullopt}));

TEST(ColorRef, RedLivesInTheLowByte)
{
    EXPECT_EQ(colorFromColorref(0x0000FFu), QColor(255, 0, 0));
    EXPECT_EQ(colorFromColorref(0xFF0000u), QColor(0, 0, 255));
    EXPECT_EQ(colorFromColorref(0xFF123456u), colorFromColorref(0x123456u));
    EXPECT_EQ(colorrefFromColor(QColor(0x12, 0x34, 0x56)), 0x563412u);
    EXPECT_EQ(colorrefFromColor(colorFromColorref(0x00A1B2C3u)), 0x00A1B2C3u);
}

} // namespace
} // namespace morvane::platform
