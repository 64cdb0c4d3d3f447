#include "support/Wizard.h"

namespace morvane::support {

Wizard::Wizard()
{
    for (const WizardStep& s : wizardSteps()) {
        m_selected[static_cast<size_t>(s.number - 1)] = s.isTerminal() ? -1 : 0;
    }
}

const WizardStep& Wizard::step() const
{
    return *wizardStep(m_current);
}

int Wizard::selectedAnswer(int number) const
{
    if (number < kFirstStep || number > kStepCount) {
        return -1;
    }
    return m_selected[static_cast<size_t>(number - 1)];
}

bool Wizard::selectAnswer(int index)
{
    if (index < 0 || index >= step().answers.size()) {
        return false;
    }
    m_selected[static_cast<size_t>(m_current - 1)] = index;
    return true;
}

bool Wizard::canGoBack() const
{
    return step().predecessor != 0;
}

bool Wizard::canGoNext() const
{
    return !step().isTerminal();
}

bool Wizard::showStep(int number)
{
    if (!wizardStep(number)) {
        return false;
    }
    m_current = number;
    return true;
}

bool Wizard::next()
{
    const int answer = selectedAnswer();
    if (answer < 0 || answer >= step().answers.size()) {
        return false;
    }
    return showStep(step().answers.at(answer).nextStep);
}

bool Wizard::back()
{
    return canGoBack() && showStep(step().predecessor);
}

} // namespace morvane::support
