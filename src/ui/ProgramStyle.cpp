#include "ui/ProgramStyle.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>

namespace morvane::ui {

namespace {

// Two chevrons pointing along the bar, as the usual picture shows them.
QPixmap drawChevrons(Qt::Orientation along, int size, qreal ratio)
{
    QPixmap pixmap(qRound(size * ratio), qRound(size * ratio));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    if (along == Qt::Vertical) {
        p.translate(size, 0);
        p.rotate(90);
    }
    QPainterPath chevrons;
    for (const qreal x : {4.5, 8.5}) {
        chevrons.moveTo(x, 4.5);
        chevrons.lineTo(x + 3, 8);
        chevrons.lineTo(x, 11.5);
    }
    p.setPen(QPen(QColor(60, 60, 60), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(chevrons);
    return pixmap;
}

} // namespace

QIcon ProgramStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                                 const QWidget* widget) const
{
    if (which == SP_ToolBarHorizontalExtensionButton ||
        which == SP_ToolBarVerticalExtensionButton) {
        const Qt::Orientation along =
            which == SP_ToolBarHorizontalExtensionButton ? Qt::Horizontal : Qt::Vertical;
        QIcon icon;
        for (const qreal ratio : {1.0, 2.0}) {
            icon.addPixmap(drawChevrons(along, 16, ratio));
        }
        return icon;
    }
    return QProxyStyle::standardIcon(which, option, widget);
}

void ProgramStyle::polish(QPalette& palette)
{
    QProxyStyle::polish(palette);
    const QColor window = palette.color(QPalette::Active, QPalette::Window);
    if (window.lightness() >= 128) {
        return;
    }
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        const QColor text = palette.color(QPalette::Active, role);
        const QColor back = palette.color(
            QPalette::Active, role == QPalette::Text ? QPalette::Base : QPalette::Window);
        palette.setColor(QPalette::Disabled, role,
                         QColor((text.red() + back.red()) / 2, (text.green() + back.green()) / 2,
                                (text.blue() + back.blue()) / 2));
    }
}

void useProgramStyle()
{
    if (!qobject_cast<ProgramStyle*>(QApplication::style())) {
        QApplication::setStyle(new ProgramStyle);
    }
}

} // namespace morvane::ui
