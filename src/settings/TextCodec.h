#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace morvane::settings {

// Text files are written as UTF-8 without a byte-order mark. A line that is not valid UTF-8 was
// written by an older, single-byte program and is read as Windows-1252.
QString decodeText(const QByteArray& bytes);
QByteArray encodeText(const QString& text);

// Splits at CR LF, a lone CR or a lone LF; a last line without an end counts, and an empty
// text gives no line.
QStringList splitLines(const QString& text);
// Every line followed by CR LF; no line gives an empty text.
QString joinLines(const QStringList& lines);

} // namespace morvane::settings
