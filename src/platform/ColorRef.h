#pragma once

#include "settings/ColorRef.h"

#include <QColor>

namespace morvane::platform {

// COLORREF (0x00BBGGRR) <-> QColor; the high byte of a COLORREF is ignored.
inline QColor colorFromColorref(settings::ColorRef colorref)
{
    return QColor(int(colorref & 0xFFu), int((colorref >> 8) & 0xFFu),
                  int((colorref >> 16) & 0xFFu));
}

inline settings::ColorRef colorrefFromColor(const QColor& color)
{
    const QRgb rgb = color.rgb();
    return settings::ColorRef(qRed(rgb)) | (settings::ColorRef(qGreen(rgb)) << 8) |
           (settings::ColorRef(qBlue(rgb)) << 16);
}

} // namespace morvane::platform
