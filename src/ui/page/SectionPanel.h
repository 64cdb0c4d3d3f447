#pragma once

#include <QWidget>

namespace morvane::ui::page {

// A raised panel with a sunken inner bevel: the frame of every section of the page.
class SectionPanel final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SectionPanel)

public:
    static constexpr int kWidth = 417;

    explicit SectionPanel(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace morvane::ui::page
