#pragma once

#include <QAbstractButton>

namespace morvane::ui::page {

// A help icon: a click, or Space when it has the focus, shows its text in an information box
// (wired by the section builder).
class HelpIcon final : public QAbstractButton {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(HelpIcon)

public:
    static constexpr int kSize = 12;

    HelpIcon(const QString& text, QWidget* parent);
    const QString& helpText() const { return m_text; }
    QSize sizeHint() const override { return {kSize, kSize}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
};

} // namespace morvane::ui::page
