#include "ui/main/HotTrackDelegate.h"

namespace morvane::ui {

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
