#include "ui/options/OptionsDialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace morvane::ui {

OptionsDialog::OptionsDialog(bool hotTrackChecked, bool runtimeChecked, QWidget* parent)
    : QDialog(parent)
    , m_hotTrack(new QCheckBox(QStringLiteral("Hot track in explorers")))
    , m_runtime(
          new QCheckBox(QStringLiteral("Add the script that runs the applets in today's browsers")))
    , m_openedHotTrack(hotTrackChecked)
    , m_openedRuntime(runtimeChecked)
{
    setObjectName(QStringLiteral("optionsDialog"));
    setWindowTitle(QStringLiteral("Options"));
    m_hotTrack->setObjectName(QStringLiteral("hotTrack"));
    m_hotTrack->setChecked(hotTrackChecked);

    m_runtime->setObjectName(QStringLiteral("runtime"));
    m_runtime->setChecked(runtimeChecked);

    auto* display = new QGroupBox(QStringLiteral("Display"));
    auto* displayLayout = new QVBoxLayout(display);
    displayLayout->addWidget(m_hotTrack);
    auto* code = new QGroupBox(QStringLiteral("HTML code"));
    auto* codeLayout = new QVBoxLayout(code);
    codeLayout->addWidget(m_runtime);

    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    cancel->setObjectName(QStringLiteral("cancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(display);
    layout->addWidget(code);
    layout->addStretch();
    layout->addLayout(buttons);
    setFixedSize(QSize(310, 163).expandedTo(sizeHint()));

    connect(ok, &QPushButton::clicked, this, [this] {
        Q_EMIT confirmed(m_hotTrack->isChecked(), m_runtime->isChecked());
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &OptionsDialog::reject);
}

void OptionsDialog::showEvent(QShowEvent* event)
{
    // A spontaneous show is the window coming back from minimized, in the middle of a choice.
    if (!event->spontaneous()) {
        m_openedHotTrack = m_hotTrack->isChecked();
        m_openedRuntime = m_runtime->isChecked();
    }
    QDialog::showEvent(event);
}

// Escape and the close button come here as well as "Cancel".
void OptionsDialog::reject()
{
    m_hotTrack->setChecked(m_openedHotTrack);
    m_runtime->setChecked(m_openedRuntime);
    QDialog::reject();
}

bool OptionsDialog::hotTrackChecked() const
{
    return m_hotTrack->isChecked();
}

} // namespace morvane::ui
