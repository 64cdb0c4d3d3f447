#pragma once

#include <QPixmap>

namespace morvane::ui {

inline constexpr int kAboutBannerWidth = 455;
inline constexpr int kAboutBannerHeight = 95;

// The About box's banner, drawn at run time: the product name over a band of little applet
// tiles. Its right part is left quiet for the version label drawn over it.
QPixmap aboutBanner();

} // namespace morvane::ui
