#pragma once

class QPalette;
class QTextDocument;

namespace morvane::ui::richtext {

// The help pages colour their headings for a white page; on a dark one those dark colours can
// hardly be read. When the palette's base is dark, every dark text colour keeps its hue and
// takes the mirrored lightness; text without a colour of its own follows the palette already.
void fitColorsToPalette(QTextDocument* document, const QPalette& palette);

} // namespace morvane::ui::richtext
