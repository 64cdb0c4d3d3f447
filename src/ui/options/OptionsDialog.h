#pragma once

#include <QDialog>

class QCheckBox;

namespace morvane::ui {

// "Options": hot tracking in the explorers, the script that runs the applets in today's
// browsers and the markup of the applet code. "OK" reports the boxes' states through `confirmed`.
// "Cancel", Escape and the close button put the boxes back as the dialog opened with them, the
// saved options, so that a later "OK" never applies a choice the user cancelled.
class OptionsDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OptionsDialog)

public:
    OptionsDialog(bool hotTrackChecked, bool runtimeChecked, bool modernMarkupChecked,
                  QWidget* parent = nullptr);

    bool hotTrackChecked() const;
    QCheckBox* hotTrackBox() const { return m_hotTrack; }
    QCheckBox* runtimeBox() const { return m_runtime; }
    QCheckBox* modernMarkupBox() const { return m_modernMarkup; }

public Q_SLOTS:
    void reject() override;

Q_SIGNALS:
    void confirmed(bool hotTrack, bool runtime, bool modernMarkup);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QCheckBox* m_hotTrack;
    QCheckBox* m_runtime;
    QCheckBox* m_modernMarkup;
    bool m_openedHotTrack;
    bool m_openedRuntime;
    bool m_openedModernMarkup;
};

} // namespace morvane::ui
