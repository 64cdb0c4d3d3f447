#include "ui/page/PageLayout.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace morvane::ui::page {
namespace {

using catalog::CommonParameter;
using catalog::Support;

struct CenteringCase {
    int clientWidth;
    int labelWidth;
    int left;
};

class CenteredLeft : public ::testing::TestWithParam<CenteringCase> {};

TEST_P(CenteredLeft, RoundsHalfPixelsToEven)
{
    EXPECT_EQ(centeredLeft(GetParam().clientWidth, GetParam().labelWidth), GetParam().left);
}

INSTANTIATE_TEST_SUITE_P(Widths, CenteredLeft,
                         ::testing::Values(CenteringCase{432, 100, 166}, // exact
                                           CenteringCase{433, 100, 166}, // 166.5
                                           CenteringCase{433, 98, 168},  // 167.5
                                           CenteringCase{433, 99, 167},  // exact
                                           CenteringCase{10, 11, 0},     // -0.5
                                           CenteringCase{10, 13, -2},    // -1.5
                                           CenteringCase{10, 16, -3}));

// Round figures so that every top can be checked by hand.
PageLayoutInput input(const QString& kind, Support support)
{
    PageLayoutInput in;
    in.kind = kind;
    in.support = support;
    in.clientWidth = 430;
    in.title = {200, 20};
    in.step1Heading = {180, 16};
    in.step2Heading = {170, 16};
    in.step3Heading = {300, 16};
    in.step2None = {30, 14};
    in.step3None = {30, 14};
    in.commonHeights = {61, 49, 57, 57, 66, 77, 58, 56, 71, 58, 58};
    return in;
}

int topOf(const PageLayout& layout, CommonParameter parameter)
{
    return layout.common[size_t(parameter)].top.value_or(-1);
}

TEST(PageLayout, KindWithoutOptionalSectionsOrSpecificSectionShowsBothNoneLabels)
{
    const PageLayout layout = computePageLayout(input(u"HexColor"_s, Support{}));

    EXPECT_EQ(layout.title, QPoint(115, 0));
    EXPECT_EQ(layout.step1Heading, QPoint(125, 46));
    EXPECT_EQ(topOf(layout, CommonParameter::Dimensions), 75);
    EXPECT_EQ(topOf(layout, CommonParameter::NoJavaMessage), 75 + 61 + 13);
    // y = 149 + 57 + 13 = 219
    EXPECT_EQ(layout.step2Heading, QPoint(130, 245));
    ASSERT_TRUE(layout.step2None);
    EXPECT_EQ(*layout.step2None, QPoint(200, 274));
    // The Step 2 "none" label takes its room and gap like a section: y = 274 + 14 + 13.
    EXPECT_EQ(layout.step3Heading, QPoint(65, 327));
    ASSERT_TRUE(layout.step3None);
    EXPECT_EQ(*layout.step3None, QPoint(200, 356));
    EXPECT_EQ(layout.scrollRange, 356 + 14 + 13);
}

TEST(PageLayout, UnusedCommonSectionsArePutAwayKeepingTheirTop)
{
    const PageLayout layout = computePageLayout(input(u"HexColor"_s, Support{}));
    for (CommonParameter parameter :
         {CommonParameter::BackgroundColor, CommonParameter::BackgroundImage,
          CommonParameter::LoadSound, CommonParameter::StatusbarMessage,
          CommonParameter::MouseOverSound, CommonParameter::MouseOverColor,
          CommonParameter::MouseOverMessage, CommonParameter::ClickSound,
          CommonParameter::ClickLink}) {
        const SectionPlacement& placement = layout.common[size_t(parameter)];
        EXPECT_FALSE(placement.shown);
        EXPECT_EQ(placement.left, kPutAwayLeft);
        EXPECT_FALSE(placement.top.has_value());
    }
}

TEST(PageLayout, EverySectionUsedStacksInPageOrderAndEndsWithTheSpecificSection)
{
    PageLayoutInput in = input(u"Stars"_s, Support::all());
    in.specificSections = {{u"IPViewer"_s, 37}, {u"Stars"_s, 129}, {u"Zoom"_s, 270}};
    const PageLayout layout = computePageLayout(in);

    int y = 75;
    for (size_t index = 0; index < 5; ++index) {
        EXPECT_EQ(layout.common[index].top, y) << index;
        EXPECT_EQ(layout.common[index].left, kPageMargin);
        EXPECT_TRUE(layout.common[index].shown);
        y += in.commonHeights[index] + kPageGap;
    }
    // "On load sound" stands above the Step 2 heading.
    EXPECT_EQ(layout.step2Heading.y(), y + 26);
    y += 26 + 16 + 13;
    for (size_t index = 5; index < 11; ++index) {
        EXPECT_EQ(layout.common[index].top, y) << index;
        y += in.commonHeights[index] + kPageGap;
    }
    EXPECT_FALSE(layout.step2None);
    EXPECT_EQ(layout.step3Heading.y(), y + 26);
    y += 26 + 16 + 13;
    EXPECT_FALSE(layout.step3None);
    ASSERT_EQ(layout.specific.size(), 3);
    EXPECT_EQ(layout.specific[1].top, y);
    EXPECT_EQ(layout.specific[1].left, kPageMargin);
    EXPECT_TRUE(layout.specific[1].shown);
    for (qsizetype other : {0, 2}) {
        EXPECT_FALSE(layout.specific[other].shown);
        EXPECT_EQ(layout.specific[other].left, kPutAwayLeft);
        EXPECT_EQ(layout.specific[other].top, 0);
    }
    EXPECT_EQ(layout.scrollRange, y + 129 + 13);
}

TEST(PageLayout, OneStepTwoSectionHidesTheStepTwoNoneLabel)
{
    Support support;
    support.set(CommonParameter::ClickLink);
    const PageLayout layout = computePageLayout(input(u"ButtonLink"_s, support));
    EXPECT_FALSE(layout.step2None);
    EXPECT_EQ(topOf(layout, CommonParameter::ClickLink), layout.step2Heading.y() + 16 + 13);
    EXPECT_EQ(layout.step3Heading.y(), topOf(layout, CommonParameter::ClickLink) + 58 + 13 + 26);
}

TEST(PageLayout, MarksOfTheAlwaysPresentSectionsAreIgnored)
{
    Support support;
    support.set(CommonParameter::Dimensions, false);
    support.set(CommonParameter::NoJavaMessage, false);
    const PageLayout layout = computePageLayout(input(u"Fade"_s, support));
    EXPECT_TRUE(layout.common[size_t(CommonParameter::Dimensions)].shown);
    EXPECT_TRUE(layout.common[size_t(CommonParameter::NoJavaMessage)].shown);
}

} // namespace
} // namespace morvane::ui::page
