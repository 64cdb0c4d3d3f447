#pragma once

#include <QFontMetrics>
#include <QString>

namespace morvane::ui::page {

// Breaks `text` into lines no wider than `width` at its blanks only; a word wider than the
// width stands alone on its line, whole. A last word is not left alone on its line when the
// word before it can go along.
QString wrapAtBlanks(const QString& text, const QFontMetrics& metrics, int width);

int widestWord(const QString& text, const QFontMetrics& metrics);

// As wide as a label showing the text on one line.
int textWidth(const QString& text, const QFontMetrics& metrics);

} // namespace morvane::ui::page
