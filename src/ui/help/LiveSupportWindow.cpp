#include "ui/help/LiveSupportWindow.h"

#include "ui/help/StepPanel.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace morvane::ui {

LiveSupportWindow::LiveSupportWindow(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(u"Live Support"_s);
    resize(472, 380);

    m_steps = new QStackedWidget(this);
    m_steps->setObjectName(u"steps"_s);
    for (const support::WizardStep& step : support::wizardSteps()) {
        auto* panel = new StepPanel(step, m_steps);
        connect(panel, &StepPanel::answerSelected, this, [this, panel](int index) {
            if (panel->stepNumber() == m_wizard.currentStep()) {
                m_wizard.selectAnswer(index);
            }
        });
        m_steps->addWidget(panel);
        m_panels.append(panel);
    }

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    m_back = new QPushButton(u"<< Back"_s, this);
    m_back->setObjectName(u"backButton"_s);
    m_next = new QPushButton(u"Next >>"_s, this);
    m_next->setObjectName(u"nextButton"_s);
    auto* resetButton = new QPushButton(u"Reset"_s, this);
    resetButton->setObjectName(u"resetButton"_s);
    auto* close = new QPushButton(u"Close"_s, this);
    close->setObjectName(u"closeButton"_s);
    for (QPushButton* button : {m_back, m_next, resetButton, close}) {
        button->setAutoDefault(false);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(resetButton);
    buttons->addStretch(1);
    buttons->addWidget(m_back);
    buttons->addWidget(m_next);
    buttons->addSpacing(12);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_steps, 1);
    layout->addWidget(rule);
    layout->addLayout(buttons);

    connect(m_back, &QPushButton::clicked, this, &LiveSupportWindow::back);
    connect(m_next, &QPushButton::clicked, this, &LiveSupportWindow::next);
    connect(resetButton, &QPushButton::clicked, this, &LiveSupportWindow::reset);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    showCurrentStep();
}

void LiveSupportWindow::showStep(int number)
{
    if (m_wizard.showStep(number)) {
        showCurrentStep();
    }
}

void LiveSupportWindow::next()
{
    if (m_wizard.next()) {
        showCurrentStep();
    }
}

void LiveSupportWindow::back()
{
    if (m_wizard.back()) {
        showCurrentStep();
    }
}

void LiveSupportWindow::reset()
{
    m_wizard.reset();
    showCurrentStep();
}

StepPanel* LiveSupportWindow::panel(int number) const
{
    return number >= 1 && number <= m_panels.size() ? m_panels.at(number - 1) : nullptr;
}

void LiveSupportWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_wizard.activate();
    showCurrentStep();
}

void LiveSupportWindow::showCurrentStep()
{
    StepPanel* current = panel(m_wizard.currentStep());
    current->setSelectedAnswer(m_wizard.selectedAnswer());
    m_steps->setCurrentWidget(current);
    m_back->setEnabled(m_wizard.canGoBack());
    m_next->setEnabled(m_wizard.canGoNext());
}

} // namespace morvane::ui
