#include "ui/page/ParameterPage.h"
#include "catalog/CommonParameters.h"
#include "catalog/Kinds.h"
#include "platform/CustomColors.h"
#include "platform/FileFilters.h"
#include "platform/fakes/FakeServices.h"
#include "ui/page/ColorSwatch.h"
#include "ui/page/CommonSections.h"
#include "ui/page/HelpIcon.h"
#include "ui/page/PageLayout.h"
#include "ui/page/PresetBar.h"
#include "ui/page/SectionPanel.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <string>

using namespace Qt::StringLiterals;

namespace morvane::ui {
namespace {

using catalog::CommonParameter;
using catalog::Support;

class ParameterPageTest : public ::testing::Test {
protected:
    ParameterPageTest() { page.show(); }

    QWidget* content() const { return page.widget(); }
    template <typename T = QWidget> T* find(const QString& name) const
    {
        return page.findChild<T*>(name);
    }
    QWidget* section(CommonParameter parameter) const
    {
        return find(page::commonSection(parameter).name());
    }
    template <typename T> T* field(CommonParameter parameter, const QString& key) const
    {
        return section(parameter)->findChild<T*>(key);
    }
    void open(const QString& kind, const Support& support)
    {
        page.loadFromCopy(kind);
        page.scrollToTop();
        page.assemble(kind, support);
    }

    QTemporaryDir appDir;
    settings::WorkingCopy copy;
    settings::Options options;
    platform::FakeServices fakes;
    ParameterPage page{PageContext{copy, fakes.services(), options, appDir.path()}};
};

Support only(std::initializer_list<CommonParameter> parameters)
{
    Support support;
    for (CommonParameter parameter : parameters) {
        support.set(parameter);
    }
    return support;
}

TEST_F(ParameterPageTest, KindWithoutSpecificSectionEndsThirteenPixelsBelowTheNoneLabel)
{
    open(u"HexColor"_s, Support::all());
    auto* none = find<QLabel>(u"step3None"_s);
    ASSERT_NE(none, nullptr);
    EXPECT_TRUE(none->isVisible());
    EXPECT_FALSE(find<QLabel>(u"step2None"_s)->isVisible());
    EXPECT_EQ(content()->height(), none->y() + none->height() + 13);
    EXPECT_EQ(find<QLabel>(u"step3Heading"_s)->text(),
              u"-- Step3 : HexColor specific parameters (required) --"_s);
    EXPECT_EQ(find<QLabel>(u"pageTitle"_s)->text(), u"- HexColor configuration -"_s);
}

TEST_F(ParameterPageTest, EmptyStepTwoNoneLabelIsSpacedLikeASectionAboveTheStepThreeHeading)
{
    open(u"Stars"_s, only({CommonParameter::BackgroundColor}));
    auto* none = find<QLabel>(u"step2None"_s);
    EXPECT_TRUE(none->isVisible());
    EXPECT_EQ(find<QLabel>(u"step3Heading"_s)->y(), none->y() + none->height() + 13 + 26);
    EXPECT_EQ(none->x(), page::centeredLeft(content()->width(), none->width()));
}

TEST_F(ParameterPageTest, RegisteredKindShowsItsOwnSectionAndEndsBelowIt)
{
    open(u"Stars"_s, Support::all());
    QWidget* stars = find(u"ZPanelStars"_s);
    ASSERT_NE(stars, nullptr);
    EXPECT_EQ(stars->x(), 8);
    EXPECT_TRUE(stars->isEnabled());
    EXPECT_FALSE(find<QLabel>(u"step3None"_s)->isVisible());
    EXPECT_EQ(stars->y(), find<QLabel>(u"step3Heading"_s)->geometry().bottom() + 1 + 13);
    EXPECT_EQ(content()->height(), stars->y() + stars->height() + 13);

    open(u"IPViewer"_s, Support::all());
    EXPECT_EQ(stars->x(), 650);
    EXPECT_EQ(stars->y(), 0);
    EXPECT_FALSE(stars->isEnabled());
    EXPECT_EQ(find(u"ZPanelIPViewer"_s)->x(), 8);
}

TEST_F(ParameterPageTest, UnusedSectionsArePutAwayDisabledSoTheyCannotTakeTheFocus)
{
    open(u"Fade"_s, only({CommonParameter::BackgroundImage}));
    QWidget* link = section(CommonParameter::ClickLink);
    EXPECT_EQ(link->x(), 650);
    EXPECT_FALSE(link->isEnabled());
    auto* linkEdit = field<QLineEdit>(CommonParameter::ClickLink, u"Link"_s);
    linkEdit->setFocus();
    EXPECT_FALSE(linkEdit->hasFocus());
    EXPECT_TRUE(section(CommonParameter::BackgroundImage)->isEnabled());
    EXPECT_EQ(section(CommonParameter::BackgroundImage)->x(), 8);
}

// What the user sees: a put-away section's top is out of sight and may differ.
std::map<std::string, std::string> snapshot(const QWidget* content)
{
    std::map<std::string, std::string> state;
    for (const QWidget* child : content->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect g = child->geometry();
        state[child->objectName().toStdString()] =
            child->isEnabled() ? u"%1,%2 %3x%4 visible %5"_s.arg(g.x())
                                     .arg(g.y())
                                     .arg(g.width())
                                     .arg(g.height())
                                     .arg(child->isVisibleTo(content))
                                     .toStdString()
                               : u"put away at %1"_s.arg(g.x()).toStdString();
    }
    state["range"] = std::to_string(content->height());
    return state;
}

TEST_F(ParameterPageTest, ReopeningAKindLaysItOutIdentically)
{
    const Support starsSupport =
        only({CommonParameter::BackgroundColor, CommonParameter::ClickLink});
    open(u"Stars"_s, starsSupport);
    const auto first = snapshot(content());
    open(u"IPViewer"_s, only({CommonParameter::MouseOverMessage, CommonParameter::LoadSound}));
    EXPECT_NE(snapshot(content()), first);
    open(u"Stars"_s, starsSupport);
    auto again = snapshot(content());
    // The section built for the other kind in between stays put away.
    EXPECT_EQ(again["ZPanelIPViewer"], "put away at 650");
    again.erase("ZPanelIPViewer");
    EXPECT_EQ(again, first);
}

TEST_F(ParameterPageTest, ANewWidthCentresTheLabelsAgain)
{
    open(u"Stars"_s, Support::all());
    auto* heading = find<QLabel>(u"step2Heading"_s);
    const int before = heading->x();
    page.resize(ParameterPage::kWidth + 40, ParameterPage::kHeight);
    EXPECT_EQ(heading->x(), before + 20);
    EXPECT_EQ(content()->width(), page.viewport()->width());
}

std::map<std::string, QRect> geometries(const QWidget* panel)
{
    std::map<std::string, QRect> state;
    int index = 0;
    for (const QWidget* child : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        state[std::to_string(index++) + child->objectName().toStdString()] = child->geometry();
    }
    return state;
}

int listHeights(const QWidget* panel)
{
    int sum = 0;
    for (const QAbstractItemView* list : panel->findChildren<QAbstractItemView*>()) {
        sum += list->height();
    }
    return sum;
}

// A taller page gives its spare height to the kind's lists, and what lies below them follows;
// back at its usual height the section is as it was laid out.
TEST_F(ParameterPageTest, ListEditorsTakeTheHeightATallPageLeaves)
{
    int growing = 0;
    for (const QString& kind : catalog::kindNames()) {
        page.resize(ParameterPage::kWidth, ParameterPage::kHeight);
        open(kind, Support::all());
        auto* panel = find<page::SectionPanel>(u"ZPanel"_s + kind);
        if (!panel || !panel->grows()) {
            continue;
        }
        ++growing;
        const auto laidOut = geometries(panel);
        const int lists = listHeights(panel);
        const int spare = 300;
        page.resize(ParameterPage::kWidth, content()->height() + 2 * page.frameWidth() +
                                               page.presetBar()->height() + spare);
        EXPECT_EQ(listHeights(panel), lists + spare) << qPrintable(kind);
        EXPECT_EQ(content()->height(), panel->geometry().bottom() + 1 + 13) << qPrintable(kind);
        EXPECT_EQ(page.verticalScrollBar()->maximum(), 0) << qPrintable(kind);
        for (const QWidget* child : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            EXPECT_TRUE(panel->rect().contains(child->geometry()))
                << qPrintable(kind) << " " << qPrintable(child->objectName());
        }
        page.resize(ParameterPage::kWidth, ParameterPage::kHeight);
        EXPECT_EQ(geometries(panel), laidOut) << qPrintable(kind);
    }
    EXPECT_GE(growing, 10);
}

TEST_F(ParameterPageTest, AssemblyNeverChangesFieldContents)
{
    copy.common().setText(u"Width"_s, u"300"_s);
    copy.specific(u"Stars"_s).setText(u"Pause"_s, u"40"_s);
    open(u"Stars"_s, Support::all());
    const settings::WorkingCopy before = copy;
    page.assemble(u"HexColor"_s, Support{});
    page.assemble(u"Stars"_s, Support{});
    EXPECT_EQ(copy, before);
    EXPECT_EQ(field<QLineEdit>(CommonParameter::Dimensions, u"Width"_s)->text(), u"300"_s);
    EXPECT_EQ(find(u"ZPanelStars"_s)->findChild<QLineEdit*>(u"Pause"_s)->text(), u"40"_s);
}

TEST_F(ParameterPageTest, LoadShowsTheCopyAndEditsWriteThroughToIt)
{
    copy.common().setText(u"Width"_s, u"468"_s);
    copy.common().setFlag(u"Loop"_s, true);
    copy.common().setText(u"Target"_s, u"_top"_s);
    copy.common().setColor(u"BackgroundColor"_s, 0x0000FF);
    copy.specific(u"Stars"_s).setText(u"StarsNumber"_s, u"150"_s);
    copy.specific(u"StarsText"_s).setText(u"StarsNumber"_s, u"7"_s);
    open(u"Stars"_s, Support::all());

    EXPECT_EQ(field<QLineEdit>(CommonParameter::Dimensions, u"Width"_s)->text(), u"468"_s);
    EXPECT_TRUE(field<QAbstractButton>(CommonParameter::LoadSound, u"Loop"_s)->isChecked());
    EXPECT_EQ(field<QComboBox>(CommonParameter::ClickLink, u"Target"_s)->currentText(), u"_top"_s);
    EXPECT_EQ(
        field<page::ColorSwatch>(CommonParameter::BackgroundColor, u"BackgroundColor"_s)->color(),
        0x0000FFu);
    auto* stars = find(u"ZPanelStars"_s)->findChild<QLineEdit*>(u"StarsNumber"_s);
    EXPECT_EQ(stars->text(), u"150"_s);

    auto* height = field<QLineEdit>(CommonParameter::Dimensions, u"Height"_s);
    height->setFocus();
    QTest::keyClicks(height, u"60"_s);
    stars->selectAll();
    QTest::keyClicks(stars, u"99"_s);
    field<QComboBox>(CommonParameter::ClickLink, u"Target"_s)->setCurrentIndex(1);

    EXPECT_EQ(copy.common().text(u"Height"_s), u"60"_s);
    EXPECT_EQ(copy.specific(u"Stars"_s).text(u"StarsNumber"_s), u"99"_s);
    EXPECT_EQ(copy.specific(u"StarsText"_s).text(u"StarsNumber"_s), u"7"_s);
    EXPECT_EQ(copy.common().text(u"Target"_s), u"_blank"_s);
}

TEST_F(ParameterPageTest, RadioGroupsStoreThePositionOfTheChosenButton)
{
    copy.specific(u"TicTacToe"_s).setChoice(u"Radio2Index"_s, 1);
    open(u"TicTacToe"_s, Support{});
    QWidget* tictactoe = find(u"ZPanelTicTacToe"_s);
    ASSERT_NE(tictactoe, nullptr);
    QWidget* difficulty = tictactoe->findChild<QWidget*>(u"Radio2Index"_s);
    const auto difficultyButtons = difficulty->findChildren<QRadioButton*>();
    ASSERT_EQ(difficultyButtons.size(), 2);
    EXPECT_TRUE(difficultyButtons[1]->isChecked());
    EXPECT_EQ(difficultyButtons[1]->text(), u"Hard"_s);

    const auto firstPlayer =
        tictactoe->findChild<QWidget*>(u"Radio1Index"_s)->findChildren<QRadioButton*>();
    ASSERT_EQ(firstPlayer.size(), 3);
    EXPECT_EQ(firstPlayer[2]->text(), u"Computer"_s);
    QTest::mouseClick(firstPlayer[2], Qt::LeftButton);
    EXPECT_EQ(copy.specific(u"TicTacToe"_s).choice(u"Radio1Index"_s), 2);
}

TEST_F(ParameterPageTest, SpecificPathFieldsBrowseWithTheirOwnFilter)
{
    open(u"TicTacToe"_s, Support{});
    QWidget* tictactoe = find(u"ZPanelTicTacToe"_s);
    fakes.files.setNextFileName(u"/games/click.au"_s);
    QTest::mouseClick(tictactoe->findChild<QPushButton*>(u"ClickSoundBrowse"_s), Qt::LeftButton);
    ASSERT_EQ(fakes.files.calls().size(), 1);
    EXPECT_EQ(fakes.files.calls()[0].filter, QString(platform::soundsFilter));
    EXPECT_EQ(copy.specific(u"TicTacToe"_s).text(u"ClickSound"_s), u"/games/click.au"_s);
    EXPECT_EQ(copy.common().text(u"ClickSound"_s), QString());
}

TEST_F(ParameterPageTest, TargetDropDownOffersTheFiveChoices)
{
    open(u"Stars"_s, Support::all());
    auto* target = field<QComboBox>(CommonParameter::ClickLink, u"Target"_s);
    QStringList items;
    for (int index = 0; index < target->count(); ++index) {
        items.append(target->itemText(index));
    }
    EXPECT_EQ(items,
              QStringList({u"_self"_s, u"_blank"_s, u"_parent"_s, u"_top"_s, u"frame name"_s}));
    EXPECT_TRUE(target->isEditable());
}

struct BrowseCase {
    CommonParameter parameter;
    const char16_t* key;
    QLatin1String filter;
};

class BrowseTest : public ParameterPageTest, public ::testing::WithParamInterface<BrowseCase> {};

TEST_P(BrowseTest, ChosenFileFillsTheFieldAndBecomesTheLastFolder)
{
    const BrowseCase& c = GetParam();
    const QString key = QString::fromUtf16(c.key);
    open(u"Stars"_s, Support::all());
    auto* browse = field<QPushButton>(c.parameter, key + u"Browse"_s);
    ASSERT_NE(browse, nullptr);

    fakes.files.setNextFileName(u"/site/media/pictures/file.ext"_s);
    QTest::mouseClick(browse, Qt::LeftButton);

    ASSERT_EQ(fakes.files.calls().size(), 1);
    EXPECT_EQ(fakes.files.calls()[0].filter, QString(c.filter));
    EXPECT_EQ(fakes.files.calls()[0].initialFolder,
              QDir(appDir.path()).filePath(u"images&sounds"_s));
    EXPECT_EQ(field<QLineEdit>(c.parameter, key)->text(), u"/site/media/pictures/file.ext"_s);
    EXPECT_EQ(copy.common().text(key), u"/site/media/pictures/file.ext"_s);
    EXPECT_EQ(options.lastFolder, u"/site/media/pictures"_s);

    // The next dialog opens there; a cancel changes nothing.
    QTest::mouseClick(browse, Qt::LeftButton);
    ASSERT_EQ(fakes.files.calls().size(), 2);
    EXPECT_EQ(fakes.files.calls()[1].initialFolder, u"/site/media/pictures"_s);
    EXPECT_EQ(copy.common().text(key), u"/site/media/pictures/file.ext"_s);
    EXPECT_EQ(options.lastFolder, u"/site/media/pictures"_s);
}

INSTANTIATE_TEST_SUITE_P(
    PathFields, BrowseTest,
    ::testing::Values(
        BrowseCase{CommonParameter::BackgroundImage, u"BackgroundImage", platform::imagesFilter},
        BrowseCase{CommonParameter::LoadSound, u"OnloadSound", platform::soundsFilter},
        BrowseCase{CommonParameter::MouseOverSound, u"OnmouseoverSound", platform::soundsFilter},
        BrowseCase{CommonParameter::ClickSound, u"OnclicSound", platform::soundsFilter}));

TEST_F(ParameterPageTest, SwatchOpensOnItsColorAndAConfirmationUpdatesColorAndCustomColors)
{
    copy.common().setColor(u"OnmouseoverTextColor"_s, 0xFFFFFF);
    options.customColors = {u"ColorA=0000FF"_s};
    open(u"Stars"_s, Support::all());
    auto* swatch =
        field<page::ColorSwatch>(CommonParameter::MouseOverMessage, u"OnmouseoverTextColor"_s);

    platform::CustomColors after{};
    after[3] = 0x00FF00;
    fakes.colors.setNextAnswer(0x336699, after);
    QTest::mouseClick(swatch, Qt::LeftButton);

    ASSERT_EQ(fakes.colors.calls().size(), 1);
    EXPECT_EQ(fakes.colors.calls()[0].initial, 0xFFFFFFu);
    EXPECT_EQ(fakes.colors.calls()[0].customs[0], 0x0000FFu);
    EXPECT_EQ(swatch->color(), 0x336699u);
    EXPECT_EQ(swatch->toolTip(), u"#996633"_s);
    EXPECT_EQ(copy.common().color(u"OnmouseoverTextColor"_s), 0x336699u);
    EXPECT_EQ(options.customColors, platform::linesFromCustomColors(after));

    fakes.colors.setNextAnswer(std::nullopt);
    QTest::mouseClick(swatch, Qt::LeftButton);
    EXPECT_EQ(fakes.colors.calls()[1].initial, 0x336699u);
    EXPECT_EQ(copy.common().color(u"OnmouseoverTextColor"_s), 0x336699u);
    EXPECT_EQ(options.customColors, platform::linesFromCustomColors(after));
}

TEST_F(ParameterPageTest, ConfirmedBasicColorStillStoresTheDialogsCustomColors)
{
    options.customColors = {};
    open(u"Stars"_s, Support::all());
    fakes.colors.setNextAnswer(0x0000FF); // customs left as the dialog got them
    QTest::mouseClick(find(u"ZPanelStars"_s)->findChild<page::ColorSwatch*>(u"Color"_s),
                      Qt::LeftButton);
    EXPECT_EQ(copy.specific(u"Stars"_s).color(u"Color"_s), 0x0000FFu);
    EXPECT_EQ(options.customColors, platform::linesFromCustomColors(platform::CustomColors{}));
}

TEST_F(ParameterPageTest, EveryHelpIconShowsItsTextInAnInformationBox)
{
    open(u"Stars"_s, Support::all());
    for (const catalog::CommonParameterInfo& info : catalog::commonParameters()) {
        fakes.messages.clear();
        auto* icon = section(info.id)->findChild<page::HelpIcon*>(u"help"_s);
        ASSERT_NE(icon, nullptr) << QString::fromUtf16(info.explorerNode).toStdString();
        QTest::mouseClick(icon, Qt::LeftButton);
        ASSERT_EQ(fakes.messages.informations().size(), 1);
        EXPECT_EQ(fakes.messages.informations()[0],
                  QString::fromUtf16(page::commonSection(info.id).help[0].text));
        EXPECT_TRUE(fakes.messages.errors().isEmpty());
    }
    EXPECT_TRUE(section(CommonParameter::ClickLink)
                    ->findChild<page::HelpIcon*>(u"help"_s)
                    ->helpText()
                    .contains(u"https://www.example.com/"_s));
    EXPECT_EQ(fakes.messages.shown()[0].parent, page.window());
}

TEST_F(ParameterPageTest, ScrollingBringsASectionJustIntoView)
{
    open(u"Stars"_s, Support::all());
    QScrollBar* bar = page.verticalScrollBar();
    EXPECT_EQ(bar->singleStep(), 32);
    EXPECT_EQ(bar->value(), 0);

    page.scrollToCommonSection(CommonParameter::ClickLink);
    QWidget* link = section(CommonParameter::ClickLink);
    EXPECT_EQ(bar->value(), link->geometry().bottom() + 1 - page.viewport()->height());

    page.scrollToSpecificSection();
    QWidget* stars = find(u"ZPanelStars"_s);
    EXPECT_EQ(bar->value(), stars->geometry().bottom() + 1 - page.viewport()->height());

    page.scrollToCommonSection(CommonParameter::BackgroundImage);
    EXPECT_EQ(bar->value(), section(CommonParameter::BackgroundImage)->y());

    const int before = bar->value();
    page.scrollToCommonSection(CommonParameter::BackgroundImage);
    EXPECT_EQ(bar->value(), before);
}

TEST_F(ParameterPageTest, AHiddenPageScrollsTooAndShowsTheSectionWhenShown)
{
    page.hide();
    open(u"Stars"_s, Support::all());
    page.scrollToCommonSection(CommonParameter::ClickLink);
    page.show();
    const QRect link = section(CommonParameter::ClickLink)->geometry();
    const int value = page.verticalScrollBar()->value();
    EXPECT_GE(link.top(), value);
    EXPECT_LE(link.bottom() + 1, value + page.viewport()->height());
    EXPECT_GT(value, 0);
}

TEST_F(ParameterPageTest, KindWithoutSpecificSectionScrollsNothing)
{
    open(u"HexColor"_s, Support::all());
    page.scrollToCommonSection(CommonParameter::ClickLink);
    const int before = page.verticalScrollBar()->value();
    page.scrollToSpecificSection();
    EXPECT_EQ(page.verticalScrollBar()->value(), before);
}

} // namespace
} // namespace morvane::ui
