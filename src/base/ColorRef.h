#pragma once

#include <QString>

namespace morvane {

// A 24-bit color with red in the low byte, as the settings file stores it.
using ColorRef = quint32;

// "#RRGGBB", the form the generated HTML and the page's lists show a color in.
QString htmlColor(ColorRef color);

} // namespace morvane
