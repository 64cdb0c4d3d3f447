#include "support/Wizard.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

using namespace Qt::StringLiterals;

using morvane::support::Wizard;
using morvane::support::wizardStep;
using morvane::support::wizardSteps;

namespace {

struct Walk {
    const char* name;
    std::vector<int> answers; // the answer chosen on each step before "Next >>"
    std::vector<int> visited; // the steps shown, the first one included
};

class WizardWalk : public testing::TestWithParam<Walk> {};

TEST_P(WizardWalk, FollowsTheSelectedAnswers)
{
    Wizard wizard;
    std::vector<int> visited{wizard.currentStep()};
    for (int answer : GetParam().answers) {
        ASSERT_TRUE(wizard.selectAnswer(answer));
        ASSERT_TRUE(wizard.next());
        visited.push_back(wizard.currentStep());
    }
    EXPECT_EQ(visited, GetParam().visited);
    EXPECT_FALSE(wizard.canGoNext());
    EXPECT_FALSE(wizard.next());
    EXPECT_EQ(wizard.currentStep(), visited.back());
}

INSTANTIATE_TEST_SUITE_P(EveryTerminalStep, WizardWalk,
                         testing::Values(Walk{"MissingFiles", {0, 1}, {1, 2, 3}},
                                         Walk{"RenamedFile", {0, 0, 1}, {1, 2, 4, 5}},
                                         Walk{"OldBrowser", {0, 0, 0, 1}, {1, 2, 4, 6, 7}},
                                         Walk{"NoMoreIdeasOnline", {0, 0, 0, 0}, {1, 2, 4, 6, 8}},
                                         Walk{"OldApplet", {1, 1}, {1, 9, 10}},
                                         Walk{"NoMoreIdeasFunctionality", {1, 0}, {1, 9, 11}},
                                         Walk{"ProgramError", {2}, {1, 12}}),
                         [](const testing::TestParamInfo<Walk>& param) {
                             return std::string(param.param.name);
                         });

TEST(Wizard, SecondAnswerLeadsToStepNineAndBackKeepsTheAnswer)
{
    Wizard wizard;
    wizard.activate();
    ASSERT_TRUE(wizard.selectAnswer(1));
    ASSERT_TRUE(wizard.next());
    EXPECT_EQ(wizard.currentStep(), 9);
    EXPECT_EQ(wizard.step().counter, u"1/1"_s);
    ASSERT_TRUE(wizard.back());
    EXPECT_EQ(wizard.currentStep(), 1);
    EXPECT_EQ(wizard.selectedAnswer(), 1);
}

TEST(Wizard, BackThreeTimesFromStepEightReachesStepTwo)
{
    Wizard wizard;
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(wizard.next());
    }
    ASSERT_EQ(wizard.currentStep(), 8);
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(wizard.back());
    }
    EXPECT_EQ(wizard.currentStep(), 2);
}

TEST(Wizard, ResetAndActivationReturnToStepOneKeepingTheAnswers)
{
    Wizard wizard;
    wizard.next();
    wizard.next();
    wizard.next();
    ASSERT_TRUE(wizard.selectAnswer(1));
    ASSERT_TRUE(wizard.next());
    ASSERT_EQ(wizard.currentStep(), 7);

    wizard.activate();
    EXPECT_EQ(wizard.currentStep(), 1);
    EXPECT_EQ(wizard.selectedAnswer(6), 1);
    for (int step = 1; step <= 12; ++step) {
        wizard.showStep(step);
        wizard.reset();
        EXPECT_EQ(wizard.currentStep(), 1) << "from step " << step;
    }
}

TEST(Wizard, BackIsOnlyDisabledOnStepOneAndNextOnlyOnTerminalSteps)
{
    const std::set<int> terminal{3, 5, 7, 8, 10, 11, 12};
    Wizard wizard;
    for (int step = 1; step <= 12; ++step) {
        ASSERT_TRUE(wizard.showStep(step));
        EXPECT_EQ(wizard.canGoBack(), step != 1) << step;
        EXPECT_EQ(wizard.canGoNext(), !terminal.count(step)) << step;
    }
    wizard.reset();
    EXPECT_FALSE(wizard.back());
    EXPECT_EQ(wizard.currentStep(), 1);
}

TEST(Wizard, RefusesAnswersAndStepsThatDoNotExist)
{
    Wizard wizard;
    EXPECT_FALSE(wizard.selectAnswer(3));
    EXPECT_FALSE(wizard.selectAnswer(-1));
    EXPECT_EQ(wizard.selectedAnswer(), 0);
    EXPECT_FALSE(wizard.showStep(0));
    EXPECT_FALSE(wizard.showStep(13));
    EXPECT_EQ(wizard.currentStep(), 1);
    wizard.showStep(3);
    EXPECT_FALSE(wizard.selectAnswer(0));
    EXPECT_EQ(wizard.selectedAnswer(), -1);
}

TEST(WizardSteps, PredecessorsAreTheStepsWhoseAnswersLeadThere)
{
    for (const auto& step : wizardSteps()) {
        for (const auto& answer : step.answers) {
            const auto* next = wizardStep(answer.nextStep);
            ASSERT_NE(next, nullptr);
            EXPECT_EQ(next->predecessor, step.number) << "step " << answer.nextStep;
        }
    }
}

TEST(WizardSteps, NamesTheSupportAddressAndTheVersion)
{
    EXPECT_TRUE(wizardStep(1)->footer.startsWith(u"Morvane version: 1.5.4, released date: "_s));
    for (int step : {8, 11, 12}) {
        EXPECT_TRUE(wizardStep(step)->advice.contains(u"support@morvane.net"_s)) << step;
    }
}

} // namespace
