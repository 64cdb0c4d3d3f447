#pragma once

#include <QColor>

namespace morvane::platform {

// COLORREF (0x00BBGGRR) <-> QColor; the high byte of a COLORREF is ignored.
inline QColor colorFromColorref(quint32 colorref)
{
    return QColor(int(colorref & 0xFFu), int((colorref >> 8) & 0xFFu),
                  int((colorref >> 16) & 0xFFu));
}

inline quint32 colorrefFromColor(const QColor& color)
{
    const QRgb rgb = color.rgb();
    return quint32(qRed(rgb)) | (quint32(qGreen(rgb)) << 8) | (quint32(qBlue(rgb)) << 16);
}

} // namespace morvane::platform
