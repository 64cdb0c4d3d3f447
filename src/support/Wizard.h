#pragma once

#include "support/WizardSteps.h"

#include <array>

namespace morvane::support {

// Where the user stands in the wizard and which answer each question has. The answers outlive
// moves, resets and activations: only a new Wizard starts them again on the first answer.
class Wizard {
public:
    Wizard();

    int currentStep() const { return m_current; }
    const WizardStep& step() const;

    // The answer selected on step `number`: 0 for a question not yet touched, -1 for a step
    // without a question or a number that is no step.
    int selectedAnswer(int number) const;
    int selectedAnswer() const { return selectedAnswer(m_current); }
    // False, and nothing changes, when the index is not an answer of the current step.
    bool selectAnswer(int index);

    bool canGoBack() const;
    bool canGoNext() const;

    // Each returns false and leaves the current step as it was when the move is not possible.
    bool showStep(int number);
    bool next();
    bool back();
    void reset() { showStep(kFirstStep); }
    // The wizard's window was activated: it always starts on the first step again.
    void activate() { reset(); }

private:
    int m_current = kFirstStep;
    std::array<int, kStepCount> m_selected{};
};

} // namespace morvane::support
