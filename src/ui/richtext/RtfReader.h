#pragma once

#include "base/Result.h"

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace morvane::ui::richtext {

// Refuse files larger than this: help pages are a few kilobytes.
inline constexpr qint64 kMaxRtfFileSize = 16 * 1024 * 1024;

// Replaces the document's content with the RTF text: paragraphs and their alignment, indents
// and spacing; bold, italic, underline, strike-out, super- and subscript, fonts, sizes and
// colors; \'hh and \u escapes, line breaks, tabs and the usual special characters. Pictures,
// objects, style sheets and every other destination are passed over. Any input is safe: the work
// is bounded by its length. Fails, and leaves the document untouched, only when the text does not
// begin as RTF does.
Result loadRtf(const QByteArray& rtf, QTextDocument* document);

// The same for a regular file of the installation folder `within` (see settings::openForReading);
// fails, with the document untouched, when the file cannot be read.
Result loadRtfFile(const QString& path, const QString& within, QTextDocument* document);

} // namespace morvane::ui::richtext
