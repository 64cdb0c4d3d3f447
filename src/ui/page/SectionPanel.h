#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

namespace morvane::ui::page {

// A raised panel with a sunken inner bevel: the frame of every section of the page.
class SectionPanel final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SectionPanel)

public:
    static constexpr int kWidth = 417;

    // How a widget follows the section's right edge when the section is wider than kWidth.
    enum class Follow {
        Widen, // a control that ends where the row ends takes the extra width
        Move,  // a button or icon at the right keeps its distance from the edge
    };

    explicit SectionPanel(QWidget* parent = nullptr);

    // `widget` stands where it belongs in a section kWidth wide.
    void follow(QWidget* widget, Follow how);
    // Never narrower than kWidth, for which the section was laid out.
    void setWidth(int width);

    // A list editor that takes its share of the height the page has to spare.
    void growWith(QWidget* editor);
    bool grows() const { return !m_growers.isEmpty(); }
    // The height given to the list editors beyond the laid-out one; what lies below them moves
    // down with them. Without list editors the section keeps its height.
    void setExtraHeight(int extra);
    int extraHeight() const { return m_extraHeight; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Follower {
        QPointer<QWidget> widget;
        Follow how;
    };

    void growOne(QWidget* editor, int by);

    QList<Follower> m_followers;
    QList<QPointer<QWidget>> m_growers; // top to bottom
    int m_extraHeight = 0;
};

} // namespace morvane::ui::page
