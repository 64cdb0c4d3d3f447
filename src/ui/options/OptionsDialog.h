#pragma once

#include "settings/Options.h"

#include <QDialog>

class QCheckBox;

namespace morvane::ui {

// "Options": hot tracking in the explorers, reopening the last applet at start, the script that
// runs the applets in today's browsers and the markup of the applet code. The boxes show the
// options each time the dialog opens; "OK" writes them into the options and tells through
// `confirmed`. "Cancel", Escape and the close button put the boxes back as the options are, so that
// a later "OK" never applies a choice the user cancelled.
class OptionsDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OptionsDialog)

public:
    explicit OptionsDialog(settings::Options& options, QWidget* parent = nullptr);

    bool hotTrackChecked() const;
    QCheckBox* hotTrackBox() const { return m_hotTrack; }
    QCheckBox* runtimeBox() const { return m_runtime; }
    QCheckBox* modernMarkupBox() const { return m_modernMarkup; }
    QCheckBox* reopenLastBox() const { return m_reopenLast; }

public Q_SLOTS:
    void reject() override;

Q_SIGNALS:
    void confirmed();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showOptions();

    settings::Options& m_options;
    QCheckBox* m_hotTrack;
    QCheckBox* m_runtime;
    QCheckBox* m_modernMarkup;
    QCheckBox* m_reopenLast;
};

} // namespace morvane::ui
