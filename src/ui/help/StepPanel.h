#pragma once

#include "support/WizardSteps.h"

#include <QWidget>

class QButtonGroup;

namespace morvane::ui {

// One step of the Live Support wizard: its title and counter, the advice, the question with one
// radio button an answer (the first one checked to begin with) and the footer line.
class StepPanel final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StepPanel)

public:
    explicit StepPanel(const support::WizardStep& step, QWidget* parent = nullptr);

    int stepNumber() const { return m_number; }
    // -1 when the step asks nothing.
    int selectedAnswer() const;
    void setSelectedAnswer(int index);

Q_SIGNALS:
    void answerSelected(int index);

private:
    int m_number;
    QButtonGroup* m_answers = nullptr;
};

} // namespace morvane::ui
