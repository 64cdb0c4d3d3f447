#pragma once

#include "base/ColorRef.h"

#include <QColor>

namespace morvane::platform {

// COLORREF (0x00BBGGRR) <-> QColor; the high byte of a COLORREF is ignored.
inline QColor colorFromColorref(ColorRef colorref)
{
    return QColor(int(colorref & 0xFFu), int((colorref >> 8) & 0xFFu),
                  int((colorref >> 16) & 0xFFu));
}

inline ColorRef colorrefFromColor(const QColor& color)
{
    const QRgb rgb = color.rgb();
    return ColorRef(qRed(rgb)) | (ColorRef(qGreen(rgb)) << 8) | (ColorRef(qBlue(rgb)) << 16);
}

} // namespace morvane::platform
