#include "ui/options/OptionsDialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace morvane::ui {

OptionsDialog::OptionsDialog(settings::Options& options, QWidget* parent)
    : QDialog(parent)
    , m_options(options)
    , m_hotTrack(new QCheckBox(u"&Hot track in explorers"_s))
    , m_runtime(new QCheckBox(u"Add the &script that runs the applets in today's browsers"_s))
    , m_modernMarkup(new QCheckBox(u"Write valid HTML&5 markup"_s))
    , m_reopenLast(new QCheckBox(u"&Reopen the last applet at start"_s))
{
    setObjectName(u"optionsDialog"_s);
    setWindowTitle(u"Options"_s);
    m_hotTrack->setObjectName(u"hotTrack"_s);
    m_runtime->setObjectName(u"runtime"_s);
    m_modernMarkup->setObjectName(u"markup"_s);
    m_reopenLast->setObjectName(u"reopenLast"_s);
    showOptions();
    m_modernMarkup->setToolTip(u"Write the applets as morvane-applet and morvane-param elements "
                               "instead of the obsolete applet and param; the script plays both"_s);

    auto* display = new QGroupBox(u"Display"_s);
    auto* displayLayout = new QVBoxLayout(display);
    displayLayout->addWidget(m_hotTrack);
    displayLayout->addWidget(m_reopenLast);
    auto* code = new QGroupBox(u"HTML code"_s);
    auto* codeLayout = new QVBoxLayout(code);
    codeLayout->addWidget(m_runtime);
    codeLayout->addWidget(m_modernMarkup);

    auto* ok = new QPushButton(u"OK"_s);
    ok->setObjectName(u"ok"_s);
    ok->setDefault(true);
    auto* cancel = new QPushButton(u"Cancel"_s);
    cancel->setObjectName(u"cancel"_s);
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
        m_options.hotTrack = m_hotTrack->isChecked();
        m_options.reopenLastApplet = m_reopenLast->isChecked();
        m_options.runtime = m_runtime->isChecked();
        m_options.markup =
            m_modernMarkup->isChecked() ? settings::Markup::Modern : settings::Markup::Applet;
        Q_EMIT confirmed();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &OptionsDialog::reject);
}

void OptionsDialog::showOptions()
{
    m_hotTrack->setChecked(m_options.hotTrack);
    m_reopenLast->setChecked(m_options.reopenLastApplet);
    m_runtime->setChecked(m_options.runtime);
    m_modernMarkup->setChecked(m_options.markup == settings::Markup::Modern);
}

void OptionsDialog::showEvent(QShowEvent* event)
{
    // A spontaneous show is the window coming back from minimized, in the middle of a choice.
    if (!event->spontaneous()) {
        showOptions();
    }
    QDialog::showEvent(event);
}

// Escape and the close button come here as well as "Cancel".
void OptionsDialog::reject()
{
    showOptions();
    QDialog::reject();
}

bool OptionsDialog::hotTrackChecked() const
{
    return m_hotTrack->isChecked();
}

} // namespace morvane::ui
