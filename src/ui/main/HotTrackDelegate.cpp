#include "ui/main/HotTrackDelegate.h"

#include <QKeyEvent>

namespace morvane::ui {

bool isActivationKey(const QKeyEvent* event)
{
    const int key = event->key();
    return (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
           (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space);
}

HotTrackDelegate::HotTrackDelegate(QObject* parent)
    : QStyledItemDelegate(parent)
{}

void HotTrackDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (m_enabled && option->state.testFlag(QStyle::State_MouseOver)) {
        option->font.setUnderline(true);
    }
}

} // namespace morvane::ui
