#pragma once

#include <QtGlobal>

class QString;
class QWidget;

namespace morvane::platform {

// Modal message boxes with a single OK button, and a question answered Yes or No.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void showError(QWidget* parent, const QString& text) = 0;
    virtual void showInformation(QWidget* parent, const QString& text) = 0;
    // True when the user answers Yes; No is the default button.
    virtual bool askYesNo(QWidget* parent, const QString& question) = 0;

protected:
    MessageBoxes() = default;
    Q_DISABLE_COPY_MOVE(MessageBoxes)
};

} // namespace morvane::platform
