#pragma once

#include <QList>
#include <QString>

namespace morvane::support {

inline constexpr int kFirstStep = 1;
inline constexpr int kStepCount = 12;

struct WizardAnswer {
    QString text;
    int nextStep;
};

struct WizardStep {
    int number;
    QString title;   // empty for all but the first step
    QString counter; // "1/3" and the like; empty when the step shows none
    QString advice;  // paragraphs separated by one empty line
    bool centered;   // short closing advice shown in the middle of the panel
    QString footer;  // a line at the bottom of the panel; empty when none
    QString question;
    QList<WizardAnswer> answers; // empty on the terminal steps
    int predecessor;             // 0 for the first step

    bool isTerminal() const { return answers.isEmpty(); }
};

QString supportAddress();
QString versionLine();

// The steps in their numbering order: wizardSteps()[n - 1] is step n.
const QList<WizardStep>& wizardSteps();
// Step `number`, or nullptr when there is no such step.
const WizardStep* wizardStep(int number);

} // namespace morvane::support
