#include "ui/main/ExplorerActions.h"
#include "ui/main/MainState.h"

#include <gtest/gtest.h>

namespace morvane::ui {
namespace {

using namespace Qt::StringLiterals;

using Type = ExplorerAction::Type;
using catalog::CommonParameter;

TEST(Caption, NamesTheViewAndTheKind)
{
    EXPECT_EQ(captionFor(View::AppletsList, QString()), u"Morvane 1.5.4: Applets list");
    EXPECT_EQ(captionFor(View::HelpPage, u"Zoom"_s), u"Morvane 1.5.4: Help");
    EXPECT_EQ(captionFor(View::KindPage, u"Zoom"_s), u"Morvane 1.5.4: Zoom configuration");
}

struct ActionCase {
    const char16_t* node;
    const char16_t* parent; // nullptr: top level
    Type type;
    const char16_t* kind = u"";
};

void PrintTo(const ActionCase& c, std::ostream* out)
{
    *out << QString::fromUtf16(c.node).toStdString();
}

class ExplorerActionTest : public ::testing::TestWithParam<ActionCase> {};

TEST_P(ExplorerActionTest, FollowsTheNodeAndItsParent)
{
    const ActionCase& c = GetParam();
    const QString parent = c.parent ? QString::fromUtf16(c.parent) : QString();
    const ExplorerAction action = explorerAction(QString::fromUtf16(c.node), parent);
    EXPECT_EQ(action.type, c.type);
    EXPECT_EQ(action.kind, QString::fromUtf16(c.kind));
}

INSTANTIATE_TEST_SUITE_P(
    Nodes, ExplorerActionTest,
    ::testing::Values(ActionCase{u"Applets", nullptr, Type::ShowAppletsList},
                      ActionCase{u"Help", nullptr, Type::ShowHelpPage},
                      ActionCase{u"Keldrin Software Home Page", nullptr, Type::OpenHomePage},
                      ActionCase{u"Zoom", u"Applets", Type::OpenKind, u"Zoom"},
                      ActionCase{u"Tutorial", u"Help", Type::ShowHelpPage},
                      ActionCase{u"Getting Started", u"Help", Type::Nothing},
                      ActionCase{u"Click link", u"Stars", Type::ScrollToSection, u"Stars"},
                      ActionCase{u"Specific parameters", u"HexColor", Type::ScrollToSection,
                                 u"HexColor"}));

TEST(ExplorerAction, HelpChildrenShowTheirPages)
{
    const std::pair<const char16_t*, HelpTab> cases[] = {
        {u"Guetting Started", HelpTab::GettingStarted},
        {u"Tutorial", HelpTab::Tutorial},
        {u"Parameters description", HelpTab::StepByStep},
        {u"FAQ", HelpTab::Faq},
        {u"Support", HelpTab::Support},
        {u"Versions History", HelpTab::VersionsHistory},
        {u"About", HelpTab::About},
    };
    for (const auto& [node, page] : cases) {
        const ExplorerAction action = explorerAction(QString::fromUtf16(node), u"Help"_s);
        EXPECT_EQ(action.type, Type::ShowHelpPage) << QString::fromUtf16(node).toStdString();
        EXPECT_EQ(action.helpPage, page) << QString::fromUtf16(node).toStdString();
    }
    EXPECT_EQ(helpPageFile(u"/app"_s, HelpTab::StepByStep), u"/app/help/step.rtf");
}

TEST(ExplorerAction, SectionNodesNameTheirSection)
{
    EXPECT_EQ(explorerAction(u"Mouse over color"_s, u"Stars"_s).section,
              CommonParameter::MouseOverColor);
    EXPECT_EQ(explorerAction(u"Dimensions"_s, u"Stars"_s).section, CommonParameter::Dimensions);
    EXPECT_FALSE(explorerAction(u"Specific parameters"_s, u"Stars"_s).section.has_value());
}

TEST(SectionNodes, AlwaysDimensionsNoJavaAndSpecific)
{
    EXPECT_EQ(sectionNodes(catalog::Support()),
              (QStringList{u"Dimensions"_s, u"No Java message"_s, u"Specific parameters"_s}));
    catalog::Support support;
    support.set(CommonParameter::ClickLink);
    support.set(CommonParameter::BackgroundColor);
    EXPECT_EQ(sectionNodes(support),
              (QStringList{u"Dimensions"_s, u"Background color"_s, u"No Java message"_s,
                           u"Click link"_s, u"Specific parameters"_s}));
    EXPECT_EQ(sectionNodes(catalog::Support::all()).size(), 12);
}

} // namespace
} // namespace morvane::ui
