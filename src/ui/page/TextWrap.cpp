#include "ui/page/TextWrap.h"

#include <QStringList>

#include <algorithm>

namespace morvane::ui::page {

QString wrapAtBlanks(const QString& text, const QFontMetrics& metrics, int width)
{
    const QStringList words = text.split(u' ');
    QStringList lines;
    QString line;
    for (const QString& word : words) {
        const QString longer = line.isEmpty() ? word : line + u' ' + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width) {
            lines.append(line);
            line = word;
        } else {
            line = longer;
        }
    }
    lines.append(line);
    // A last word alone on its line reads as cut off: it takes the word before it along, when
    // the two fit and that leaves a word behind.
    if (lines.size() > 1 && !lines.back().contains(u' ')) {
        QString& before = lines[lines.size() - 2];
        const qsizetype blank = before.lastIndexOf(u' ');
        const QString joined = before.mid(blank + 1) + u' ' + lines.back();
        if (blank > 0 && metrics.horizontalAdvance(joined) <= width) {
            lines.back() = joined;
            before.truncate(blank);
        }
    }
    return lines.join(u'\n');
}

int widestWord(const QString& text, const QFontMetrics& metrics)
{
    int widest = 0;
    for (const QString& word : text.split(u' ')) {
        widest = std::max(widest, metrics.horizontalAdvance(word));
    }
    return widest;
}

int textWidth(const QString& text, const QFontMetrics& metrics)
{
    return metrics.boundingRect(QRect(), Qt::TextSingleLine, text).width();
}

} // namespace morvane::ui::page
