#include "ui/main/PinnedLayout.h"

#include <QWidgetItem>

namespace morvane::ui {

PinnedLayout::PinnedLayout(QSize usual, QWidget* parent)
    : QLayout(parent)
    , m_usual(usual)
{
    setContentsMargins(0, 0, 0, 0);
}

PinnedLayout::~PinnedLayout()
{
    for (const Pin& pin : std::as_const(m_pins)) {
        delete pin.item;
    }
}

void PinnedLayout::pin(QWidget* widget, const QRect& place, Edge edge)
{
    addChildWidget(widget);
    m_pins.append({new QWidgetItem(widget), place, edge});
    invalidate();
}

// Only pin() adds items: an item without a place has nowhere to go.
void PinnedLayout::addItem(QLayoutItem* item)
{
    m_pins.append({item, QRect(QPoint(), item->sizeHint()), Edge::Left});
}

QLayoutItem* PinnedLayout::itemAt(int index) const
{
    return index >= 0 && index < m_pins.size() ? m_pins[index].item : nullptr;
}

QLayoutItem* PinnedLayout::takeAt(int index)
{
    if (index < 0 || index >= m_pins.size()) {
        return nullptr;
    }
    return m_pins.takeAt(index).item;
}

int PinnedLayout::count() const
{
    return int(m_pins.size());
}

QSize PinnedLayout::sizeHint() const
{
    return m_usual;
}

QSize PinnedLayout::minimumSize() const
{
    return m_usual;
}

void PinnedLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    const int extra = rect.width() - m_usual.width();
    for (const Pin& pin : std::as_const(m_pins)) {
        const int shift = pin.edge == Edge::Right ? extra : 0;
        pin.item->setGeometry(pin.place.translated(rect.topLeft() + QPoint(shift, 0)));
    }
}

} // namespace morvane::ui
