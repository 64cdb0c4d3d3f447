#pragma once

#include <QDialog>

class QCheckBox;

namespace morvane::ui {

// "Options": hot tracking in the explorers and the script that runs the applets in today's
// browsers. "OK" reports the boxes' states through `confirmed`; "Cancel" only closes, and the
// boxes keep what the user left in them.
class OptionsDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OptionsDialog)

public:
    OptionsDialog(bool hotTrackChecked, bool runtimeChecked, QWidget* parent = nullptr);

    bool hotTrackChecked() const;
    QCheckBox* hotTrackBox() const { return m_hotTrack; }
    QCheckBox* runtimeBox() const { return m_runtime; }

Q_SIGNALS:
    void confirmed(bool hotTrack, bool runtime);

private:
    QCheckBox* m_hotTrack;
    QCheckBox* m_runtime;
};

} // namespace morvane::ui
