#include "ui/page/SectionPanel.h"

#include <QPainter>

#include <algorithm>
#include <qdrawutil.h>

namespace morvane::ui::page {

SectionPanel::SectionPanel(QWidget* parent)
    : QWidget(parent)
{}

void SectionPanel::follow(QWidget* widget, Follow how)
{
    m_followers.append({widget, how});
}

void SectionPanel::setWidth(int width)
{
    const int extra = std::max(width, kWidth) - this->width();
    if (extra == 0) {
        return;
    }
    for (const Follower& follower : std::as_const(m_followers)) {
        QWidget* widget = follower.widget;
        if (!widget) {
            continue;
        }
        if (follower.how == Follow::Widen) {
            widget->resize(widget->width() + extra, widget->height());
        } else {
            widget->move(widget->x() + extra, widget->y());
        }
    }
    resize(this->width() + extra, height());
}

void SectionPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& colors = palette();
    qDrawShadePanel(&painter, rect(), colors, false, 1);
    qDrawShadePanel(&painter, rect().adjusted(3, 3, -3, -3), colors, true, 1);
}

} // namespace morvane::ui::page
