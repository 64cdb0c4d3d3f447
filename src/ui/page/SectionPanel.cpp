#include "ui/page/SectionPanel.h"

#include <QAbstractItemView>
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

void SectionPanel::growWith(QWidget* editor)
{
    // An editor without a list (a table naming none) has nothing to grow.
    if (editor->findChild<QAbstractItemView*>()) {
        m_growers.append(editor);
    }
}

void SectionPanel::setExtraHeight(int extra)
{
    extra = std::max(0, extra);
    const int delta = extra - m_extraHeight;
    if (delta == 0 || m_growers.isEmpty()) {
        return;
    }
    // Shared out evenly, the first editor taking what does not divide; from the lowest up, so
    // that what one moves does not change what lies below the next.
    const auto count = static_cast<int>(m_growers.size());
    for (int index = count - 1; index >= 0; --index) {
        const int share = delta / count + (index == 0 ? delta % count : 0);
        if (m_growers[index]) {
            growOne(m_growers[index], share);
        }
    }
    m_extraHeight = extra;
    resize(width(), height() + delta);
}

void SectionPanel::growOne(QWidget* editor, int by)
{
    const int top = editor->y();
    const int bottom = top + editor->height();
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child == editor) {
            continue;
        }
        if (child->y() >= bottom) {
            child->move(child->x(), child->y() + by);
        } else if (child->y() <= top && child->y() + child->height() >= bottom) {
            child->resize(child->width(), child->height() + by); // a group framing the editor
        }
    }
    auto* list = editor->findChild<QAbstractItemView*>();
    list->setFixedHeight(list->height() + by);
    editor->resize(editor->width(), editor->height() + by);
}

void SectionPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& colors = palette();
    qDrawShadePanel(&painter, rect(), colors, false, 1);
    qDrawShadePanel(&painter, rect().adjusted(3, 3, -3, -3), colors, true, 1);
}

} // namespace morvane::ui::page
