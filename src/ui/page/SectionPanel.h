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

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Follower {
        QPointer<QWidget> widget;
        Follow how;
    };

    QList<Follower> m_followers;
};

} // namespace morvane::ui::page
