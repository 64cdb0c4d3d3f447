#include "ui/help/LiveSupportWindow.h"
#include "ui/help/StepPanel.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>

#include <gtest/gtest.h>

#include <set>

using namespace Qt::StringLiterals;

using morvane::ui::LiveSupportWindow;
using morvane::ui::StepPanel;

namespace {

class LiveSupportWindowTest : public testing::Test {
protected:
    void SetUp() override { m_window.show(); }

    QPushButton* button(const char* name) const
    {
        return m_window.findChild<QPushButton*>(QLatin1String(name));
    }

    // The step the user sees, as shown by the stack of panels.
    int stepInView() const
    {
        auto* steps = m_window.findChild<QStackedWidget*>(u"steps"_s);
        return qobject_cast<StepPanel*>(steps->currentWidget())->stepNumber();
    }

    void choose(int answer)
    {
        auto* panel = m_window.panel(stepInView());
        panel->findChild<QRadioButton*>(u"answer%1"_s.arg(answer))->click();
    }

    LiveSupportWindow m_window;
};

TEST_F(LiveSupportWindowTest, SecondAnswerShowsStepNineAndBackKeepsIt)
{
    EXPECT_EQ(m_window.windowTitle(), u"Live Support"_s);
    ASSERT_EQ(stepInView(), 1);
    choose(1);
    button("nextButton")->click();
    EXPECT_EQ(stepInView(), 9);
    EXPECT_EQ(m_window.panel(9)->findChild<QLabel*>(u"counter"_s)->text(), u"1/1"_s);
    button("backButton")->click();
    EXPECT_EQ(stepInView(), 1);
    EXPECT_EQ(m_window.panel(1)->selectedAnswer(), 1);
}

TEST_F(LiveSupportWindowTest, ButtonsFollowTheStep)
{
    const std::set<int> terminal{3, 5, 7, 8, 10, 11, 12};
    for (int step = 1; step <= 12; ++step) {
        m_window.showStep(step);
        EXPECT_EQ(stepInView(), step);
        EXPECT_EQ(button("backButton")->isEnabled(), step != 1) << step;
        EXPECT_EQ(button("nextButton")->isEnabled(), !terminal.count(step)) << step;
    }
}

TEST_F(LiveSupportWindowTest, BackThreeTimesFromStepEightAndReset)
{
    for (int i = 0; i < 4; ++i) {
        button("nextButton")->click();
    }
    ASSERT_EQ(stepInView(), 8);
    for (int i = 0; i < 3; ++i) {
        button("backButton")->click();
    }
    EXPECT_EQ(stepInView(), 2);
    button("resetButton")->click();
    EXPECT_EQ(stepInView(), 1);
    EXPECT_FALSE(button("backButton")->isEnabled());
}

TEST_F(LiveSupportWindowTest, ClosedOnStepSevenOpensOnStepOneWithTheAnswersKept)
{
    button("nextButton")->click();
    button("nextButton")->click();
    button("nextButton")->click();
    choose(1);
    button("nextButton")->click();
    ASSERT_EQ(stepInView(), 7);
    button("closeButton")->click();
    EXPECT_FALSE(m_window.isVisible());

    m_window.show();
    EXPECT_EQ(stepInView(), 1);
    EXPECT_EQ(m_window.panel(6)->selectedAnswer(), 1);
    EXPECT_EQ(m_window.panel(1)->selectedAnswer(), 0);
}

TEST_F(LiveSupportWindowTest, FirstStepShowsTheVersionLine)
{
    const QString footer = m_window.panel(1)->findChild<QLabel*>(u"footer"_s)->text();
    EXPECT_TRUE(footer.startsWith(u"Morvane version: 1.5.4, released date: "_s));
}

} // namespace
