#include "ui/Icons.h"

#include <QPainter>
#include <QPainterPath>

using namespace Qt::StringLiterals;

namespace morvane::ui {

namespace {

QPixmap blank(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPixmap drawFolder(const QColor& body)
{
    QPixmap pixmap = blank(16);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(body.darker(170));
    p.setBrush(body);
    p.drawRect(QRectF(1.5, 4.5, 13, 9));
    p.drawRect(QRectF(1.5, 2.5, 5, 2));
    return pixmap;
}

QPixmap drawPage(const QColor& mark)
{
    QPixmap pixmap = blank(16);
    QPainter p(&pixmap);
    p.setPen(QColor(90, 90, 90));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5, 1.5, 9, 13));
    p.setPen(mark);
    for (int y = 4; y <= 11; y += 2) {
        p.drawLine(5, y, 10, y);
    }
    return pixmap;
}

QPixmap drawBullet()
{
    QPixmap pixmap = blank(16);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(30, 90, 30));
    p.setBrush(QColor(110, 190, 90));
    p.drawEllipse(QRectF(4.5, 4.5, 7, 7));
    return pixmap;
}

QPixmap drawArrow(QPixmap base, const QColor& color)
{
    QPainter p(&base);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    QPainterPath arrow;
    arrow.moveTo(9, 15);
    arrow.lineTo(15, 10);
    arrow.lineTo(12, 10);
    arrow.lineTo(12, 6);
    arrow.lineTo(6, 6);
    arrow.lineTo(6, 10);
    arrow.lineTo(3, 10);
    arrow.closeSubpath();
    p.translate(1, 0);
    p.drawPath(arrow);
    return base;
}

QPixmap drawCopy()
{
    QPixmap pixmap = blank(16);
    QPainter p(&pixmap);
    p.setPen(QColor(60, 60, 120));
    p.setBrush(QColor(230, 235, 255));
    p.drawRect(QRectF(1.5, 1.5, 8, 10));
    p.drawRect(QRectF(6.5, 4.5, 8, 10));
    return pixmap;
}

QPixmap drawGlobe()
{
    QPixmap pixmap = blank(16);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(20, 70, 140));
    p.setBrush(QColor(120, 170, 230));
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.drawEllipse(QRectF(5.0, 1.5, 6, 13));
    p.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
    return pixmap;
}

} // namespace

QPixmap helpIconPixmap()
{
    QPixmap pixmap = blank(12);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(0, 60, 150));
    p.setBrush(QColor(40, 110, 210));
    p.drawEllipse(QRectF(0.5, 0.5, 11, 11));
    // The question mark is drawn as strokes: a font of its own would be loaded for one glyph,
    // and the start would wait for it.
    QPainterPath hook;
    hook.moveTo(4.1, 4.6);
    hook.cubicTo(4.1, 2.2, 7.9, 2.2, 7.9, 4.4);
    hook.cubicTo(7.9, 5.8, 6.0, 5.9, 6.0, 7.4);
    p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hook);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(6.0, 9.4), 0.95, 0.95);
    return pixmap;
}

QIcon explorerIcon(ExplorerIcon which)
{
    switch (which) {
    case ExplorerIcon::TopLevel:
        return QIcon(drawFolder(QColor(240, 200, 80)));
    case ExplorerIcon::Item:
        return QIcon(drawPage(QColor(40, 110, 210)));
    case ExplorerIcon::Section:
        return QIcon(drawBullet());
    }
    return {};
}

QIcon toolIcon(ToolIcon which)
{
    switch (which) {
    case ToolIcon::SaveFiles:
        return QIcon(drawArrow(drawFolder(QColor(240, 200, 80)), QColor(30, 120, 30)));
    case ToolIcon::CopyHtml:
        return QIcon(drawCopy());
    case ToolIcon::SaveText:
        return QIcon(drawArrow(drawPage(QColor(90, 90, 90)), QColor(30, 120, 30)));
    case ToolIcon::SavePreview:
        return QIcon(drawGlobe());
    }
    return {};
}

} // namespace morvane::ui
