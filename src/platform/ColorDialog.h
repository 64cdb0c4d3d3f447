#pragma once

#include "platform/CustomColors.h"

#include <optional>

class QWidget;

namespace morvane::platform {

// Colors are COLORREF values (0x00BBGGRR, red in the low byte).
class ColorDialog {
public:
    virtual ~ColorDialog() = default;
    // On confirmation returns the chosen color and replaces customs with the dialog's sixteen
    // custom colors; on cancel returns nothing and leaves customs untouched.
    virtual std::optional<ColorRef> chooseColor(QWidget* parent, ColorRef initial,
                                                CustomColors& customs) = 0;

protected:
    ColorDialog() = default;
    Q_DISABLE_COPY_MOVE(ColorDialog)
};

} // namespace morvane::platform
