#pragma once

#include <QStyledItemDelegate>

class QKeyEvent;

namespace morvane::ui {

// Enter or Space on the current row of the explorer or the applets list acts as the mouse does.
bool isActivationKey(const QKeyEvent* event);

// Underlines the item under the mouse while hot tracking is on.
class HotTrackDelegate final : public QStyledItemDelegate {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HotTrackDelegate)

public:
    explicit HotTrackDelegate(QObject* parent = nullptr);
    void setEnabled(bool on) { m_enabled = on; }
    bool isEnabled() const { return m_enabled; }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    bool m_enabled = true;
};

} // namespace morvane::ui
