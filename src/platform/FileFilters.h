#pragma once

#include <QLatin1String>
#include <QString>

namespace morvane::platform {

// Dialog filters as the program states them: "Description|*.EXT;*.EXT2|Description|...".
inline constexpr QLatin1String imagesFilter{
    "All images (*.gif, *.jpg)|*.GIF;*.JPG|Gif images (*.gif)|*.GIF|Jpeg images (*.jpg)|*.JPG"};
inline constexpr QLatin1String soundsFilter{"AU sounds (*.au)|*.AU"};
inline constexpr QLatin1String allFilesFilter{"All files (*.*)|*.*"};
inline constexpr QLatin1String textFilesFilter{"Text files (*.txt)|*.TXT"};
inline constexpr QLatin1String htmlFilesFilter{"HTML files (*.html, *.htm)|*.HTML;*.HTM"};
inline constexpr QLatin1String waveFilesFilter{"Wave files (*.wav)|*.WAV"};
inline constexpr QLatin1String auFilesFilter{"Netscape AU files (*.au)|*.AU"};

// The same filter for a Qt file dialog: "Description (*.gif *.GIF *.jpg *.JPG);;...". Each
// pattern is offered in lower and upper case, since file names here are case-sensitive, and
// "*.*" becomes "*" so that names without an extension show too.
QString qtFilterFromWindowsFilter(const QString& filter);

// Whether the Qt file dialog would offer the file under the filter (by its name alone).
bool filterOffers(const QString& filter, const QString& fileName);

} // namespace morvane::platform
