#include "ui/page/HelpIcon.h"

#include "ui/Icons.h"

#include <QPainter>
#include <QPen>
#include <QPixmapCache>

using namespace Qt::StringLiterals;

namespace morvane::ui::page {

namespace {

QPixmap picture()
{
    const QString key = u"morvane-help-icon"_s;
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = helpIconPixmap();
        QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

} // namespace

HelpIcon::HelpIcon(const QString& text, QWidget* parent)
    : QAbstractButton(parent)
    , m_text(text)
{
    // Reached with Tab and opened with Space, like any button.
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    setFixedSize(kSize, kSize);
    setToolTip(u"Help"_s);
}

void HelpIcon::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture());
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

} // namespace morvane::ui::page
