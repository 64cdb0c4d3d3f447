#pragma once

#include "base/ColorRef.h"

#include <QStringList>

#include <array>
#include <optional>

namespace morvane::platform {

inline constexpr int customColorCount = 16;

// The color dialog's custom colors as COLORREF values; an empty entry is unset.
using CustomColors = std::array<std::optional<ColorRef>, customColorCount>;

// Lines of the form "ColorA=BBGGRR" ... "ColorP=BBGGRR" (six upper-case hex digits of the
// COLORREF). A missing or unreadable entry stays unset; unset entries are not written.
CustomColors customColorsFromLines(const QStringList& lines);
QStringList linesFromCustomColors(const CustomColors& colors);

} // namespace morvane::platform
