#pragma once

#include <QProxyStyle>

namespace morvane::ui {

// The platform's own style, with the menu bar's overflow arrow drawn rather than read: the
// usual style reads it from a picture file as the menu bar is made, and the first picture read
// loads every image reader, which the start would pay for before the window shows.
class ProgramStyle final : public QProxyStyle {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ProgramStyle)

public:
    ProgramStyle() = default;

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    // On a dark palette, disabled texts halfway between the text and the background, so that
    // they stay readable.
    void polish(QPalette& palette) override;
    using QProxyStyle::polish;
};

// Makes ProgramStyle the application's style, once.
void useProgramStyle();

} // namespace morvane::ui
