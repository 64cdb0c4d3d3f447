#include "platform/ColorRef.h"
#include "platform/QtServices.h"

#include <QColorDialog>

namespace morvane::platform {

std::optional<ColorRef> QtColorDialog::chooseColor(QWidget* parent, ColorRef initial,
                                                   CustomColors& customs)
{
    // The dialog's custom colors are shared by every QColorDialog, so all sixteen are set
    // each time; an unset entry shows as white, as a fresh dialog would.
    for (int i = 0; i < customColorCount; ++i) {
        const auto& entry = customs[std::size_t(i)];
        QColorDialog::setCustomColor(i, entry ? colorFromColorref(*entry) : QColor(Qt::white));
    }

    QColorDialog dialog(colorFromColorref(initial), parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }

    for (int i = 0; i < customColorCount; ++i) {
        customs[std::size_t(i)] = colorrefFromColor(QColorDialog::customColor(i));
    }
    return colorrefFromColor(dialog.selectedColor());
}

} // namespace morvane::platform
