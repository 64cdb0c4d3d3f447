#include "ui/page/ColorSwatch.h"

#include "platform/ColorRef.h"

#include <QMouseEvent>

namespace morvane::ui::page {

ColorSwatch::ColorSwatch(QWidget* parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setFixedSize(kWidth, kHeight);
    setAutoFillBackground(true);
    setCursor(Qt::PointingHandCursor);
    setColor(0);
}

void ColorSwatch::setColor(ColorRef color)
{
    m_color = color & 0xFFFFFFu;
    QPalette colors = palette();
    colors.setColor(QPalette::Window, platform::colorFromColorref(m_color));
    setPalette(colors);
}

void ColorSwatch::pick(ColorRef color)
{
    setColor(color);
    Q_EMIT colorPicked(m_color);
}

void ColorSwatch::mousePressEvent(QMouseEvent* event)
{
    event->setAccepted(event->button() == Qt::LeftButton);
}

void ColorSwatch::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        Q_EMIT clicked();
    }
    event->accept();
}

} // namespace morvane::ui::page
