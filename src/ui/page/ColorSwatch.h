#pragma once

#include "settings/ValueSet.h"

#include <QFrame>

namespace morvane::ui::page {

// A small sunken panel whose background is the value. A click, or Space or Enter while it has
// the focus, asks for a new color through the clicked() signal; whoever chooses it calls
// pick(). A screen reader hears a button named by its label and color.
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
    // "Text color" makes the swatch read "Text color: #FF0000".
    void setLabel(const QString& label);

Q_SIGNALS:
    void clicked();
    void colorPicked(ColorRef color);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void describe();

    ColorRef m_color = 0;
    QString m_label;
};

} // namespace morvane::ui::page
