#pragma once

#include "settings/ValueSet.h"

#include <QFrame>

namespace morvane::ui::page {

// A small sunken panel whose background is the value. A click asks for a new color through
// the clicked() signal; whoever chooses it calls pick().
class ColorSwatch final : public QFrame {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ColorSwatch)

public:
    static constexpr int kWidth = 33;
    static constexpr int kHeight = 25;

    explicit ColorSwatch(QWidget* parent = nullptr);

    ColorRef color() const { return m_color; }
    void setColor(ColorRef color); // shows it, emits nothing
    void pick(ColorRef color);     // shows it and emits colorPicked()

Q_SIGNALS:
    void clicked();
    void colorPicked(ColorRef color);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ColorRef m_color = 0;
};

} // namespace morvane::ui::page
