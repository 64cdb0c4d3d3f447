#pragma once

#include <QLayout>
#include <QList>
#include <QRect>

namespace morvane::ui {

// Widgets at fixed places in a strip that may grow wider: each keeps its distance from the
// strip's left edge, or from its right edge. Its size hint and minimum are the strip's usual
// size, so that the widgets never overlap.
class PinnedLayout final : public QLayout {
    Q_DISABLE_COPY_MOVE(PinnedLayout)

public:
    enum class Edge { Left, Right };

    PinnedLayout(QSize usual, QWidget* parent);
    ~PinnedLayout() override;

    // `place` is where the widget stands when the strip has its usual size.
    void pin(QWidget* widget, const QRect& place, Edge edge);

    void addItem(QLayoutItem* item) override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    int count() const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;

private:
    struct Pin {
        QLayoutItem* item;
        QRect place;
        Edge edge;
    };

    QSize m_usual;
    QList<Pin> m_pins;
};

} // namespace morvane::ui
