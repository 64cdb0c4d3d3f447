#pragma once

#include <QFontMetricsF>
#include <QStringView>
#include <QtMath>

namespace morvane::ui {

// The width a one-line text of the program's own (names, section names) needs, from its
// letters' advances. Measuring the shaped text costs about ten times more, and the start
// measures a hundred texts before it shows anything; kerning moves a pair by a pixel at most,
// which the callers' margins cover.
inline int letterAdvancesWidth(const QFontMetricsF& metrics, QStringView text)
{
    qreal width = 0;
    for (const QChar letter : text) {
        width += metrics.horizontalAdvance(letter);
    }
    return qCeil(width);
}

} // namespace morvane::ui
