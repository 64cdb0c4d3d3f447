#include "ui/richtext/PaletteColors.h"

#include <QList>
#include <QPalette>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace morvane::ui::richtext {
namespace {

constexpr int kMidLightness = 128;

bool isDark(const QColor& color)
{
    return color.lightness() < kMidLightness;
}

struct Recolor {
    int position;
    int length;
    QTextCharFormat format;
};

} // namespace

void fitColorsToPalette(QTextDocument* document, const QPalette& palette)
{
    if (!isDark(palette.color(QPalette::Base))) {
        return;
    }
    // Gathered first: changing a format while walking the fragments would split and merge them.
    QList<Recolor> changes;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextCharFormat format = fragment.charFormat();
            const QColor color = format.foreground().color();
            if (!format.hasProperty(QTextFormat::ForegroundBrush) || !isDark(color)) {
                continue;
            }
            format.setForeground(
                QColor::fromHsl(color.hslHue(), color.hslSaturation(), 255 - color.lightness()));
            changes.append({fragment.position(), fragment.length(), format});
        }
    }
    QTextCursor cursor(document);
    for (const Recolor& change : changes) {
        cursor.setPosition(change.position);
        cursor.setPosition(change.position + change.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(change.format);
    }
}

} // namespace morvane::ui::richtext
