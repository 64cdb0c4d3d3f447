#include "ui/page/SectionPanel.h"

#include <QPainter>
#include <qdrawutil.h>

namespace morvane::ui::page {

SectionPanel::SectionPanel(QWidget* parent)
    : QWidget(parent)
{}

void SectionPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& colors = palette();
    qDrawShadePanel(&painter, rect(), colors, false, 1);
    qDrawShadePanel(&painter, rect().adjusted(3, 3, -3, -3), colors, true, 1);
}

} // namespace morvane::ui::page
