#pragma once

#include "support/Wizard.h"

#include <QDialog>
#include <QList>

class QPushButton;
class QStackedWidget;

namespace morvane::ui {

class StepPanel;

// The Live Support wizard: one step in view at a time, with "<< Back", "Next >>", "Reset" and
// "Close". Every time it is shown it starts on the first step; the answers chosen stay.
class LiveSupportWindow final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LiveSupportWindow)

public:
    explicit LiveSupportWindow(QWidget* parent = nullptr);

    void showStep(int number);
    int currentStep() const { return m_wizard.currentStep(); }
    void next();
    void back();
    void reset();

    StepPanel* panel(int number) const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showCurrentStep();

    support::Wizard m_wizard;
    QStackedWidget* m_steps = nullptr;
    QList<StepPanel*> m_panels;
    QPushButton* m_back = nullptr;
    QPushButton* m_next = nullptr;
};

} // namespace morvane::ui
