#include "ui/help/StepPanel.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace morvane::ui {
namespace {

QLabel* wrappedLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

StepPanel::StepPanel(const support::WizardStep& step, QWidget* parent)
    : QWidget(parent)
    , m_number(step.number)
{
    setObjectName(u"step%1"_s.arg(step.number));
    auto* layout = new QVBoxLayout(this);

    auto* heading = new QHBoxLayout;
    auto* title = new QLabel(step.title, this);
    title->setObjectName(u"title"_s);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    title->setFont(titleFont);
    auto* counter = new QLabel(step.counter, this);
    counter->setObjectName(u"counter"_s);
    heading->addWidget(title, 1);
    heading->addWidget(counter, 0, Qt::AlignRight | Qt::AlignTop);
    layout->addLayout(heading);

    auto* advice = wrappedLabel(step.advice, this);
    advice->setObjectName(u"advice"_s);
    if (step.centered) {
        QFont adviceFont = advice->font();
        adviceFont.setBold(true);
        advice->setFont(adviceFont);
        advice->setAlignment(Qt::AlignCenter);
        layout->addStretch(1);
    }
    layout->addWidget(advice);

    if (!step.isTerminal()) {
        auto* question = new QGroupBox(step.question, this);
        question->setObjectName(u"question"_s);
        auto* answersLayout = new QVBoxLayout(question);
        m_answers = new QButtonGroup(this);
        for (int i = 0; i < step.answers.size(); ++i) {
            auto* answer = new QRadioButton(step.answers.at(i).text, question);
            answer->setObjectName(u"answer%1"_s.arg(i));
            m_answers->addButton(answer, i);
            answersLayout->addWidget(answer);
        }
        m_answers->button(0)->setChecked(true);
        connect(m_answers, &QButtonGroup::idClicked, this, &StepPanel::answerSelected);
        layout->addSpacing(8);
        layout->addWidget(question);
    }
    layout->addStretch(1);

    if (!step.footer.isEmpty()) {
        auto* footer = new QLabel(step.footer, this);
        footer->setObjectName(u"footer"_s);
        footer->setEnabled(false);
        layout->addWidget(footer);
    }
}

int StepPanel::selectedAnswer() const
{
    return m_answers ? m_answers->checkedId() : -1;
}

void StepPanel::setSelectedAnswer(int index)
{
    if (!m_answers) {
        return;
    }
    if (QAbstractButton* answer = m_answers->button(index)) {
        answer->setChecked(true);
    }
}

} // namespace morvane::ui
