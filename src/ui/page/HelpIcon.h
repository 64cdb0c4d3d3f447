#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace morvane::ui::page {

// The 12 x 12 "?" drawn on every section.
QPixmap helpIconPicture();

// A help icon: a click shows its text in an information box (wired by the section builder).
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
