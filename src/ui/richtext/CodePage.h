#pragma once

#include <QByteArrayView>
#include <QString>

namespace morvane::ui::richtext {

inline constexpr int kWesternCodePage = 1252;
inline constexpr int kUtf8CodePage = 65001;
inline constexpr int kSymbolCodePage = 42; // the symbol font charset: no text code page at all

// The Windows code page of an RTF \fcharset value; 0 when the charset names none.
int codePageOfCharset(int charset);

// Decodes bytes of the given Windows code page. A code page this system cannot decode is read
// as Western (1252), so text never disappears.
QString decodeCodePage(QByteArrayView bytes, int codePage);

} // namespace morvane::ui::richtext
