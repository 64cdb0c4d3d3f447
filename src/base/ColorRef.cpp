#include "base/ColorRef.h"

using namespace Qt::StringLiterals;

namespace morvane {

QString htmlColor(ColorRef color)
{
    const uint red = color & 0xFFu;
    const uint green = (color >> 8) & 0xFFu;
    const uint blue = (color >> 16) & 0xFFu;
    return u"#%1%2%3"_s.arg(red, 2, 16, QLatin1Char('0'))
        .arg(green, 2, 16, QLatin1Char('0'))
        .arg(blue, 2, 16, QLatin1Char('0'))
        .toUpper();
}

} // namespace morvane
