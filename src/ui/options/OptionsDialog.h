#pragma once

#include <QDialog>

class QCheckBox;

namespace morvane::ui {

// "Options": the one option, hot tracking in the explorers. "OK" reports the box's state
// through `confirmed`; "Cancel" only closes, and the box keeps what the user left in it.
class OptionsDialog final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OptionsDialog)

public:
    explicit OptionsDialog(bool hotTrackChecked, QWidget* parent = nullptr);

    bool hotTrackChecked() const;
    QCheckBox* hotTrackBox() const { return m_hotTrack; }

Q_SIGNALS:
    void confirmed(bool hotTrack);

private:
    QCheckBox* m_hotTrack;
};

} // namespace morvane::ui
