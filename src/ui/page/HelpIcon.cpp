#include "ui/page/HelpIcon.h"

#include <QPainter>

namespace morvane::ui::page {

QPixmap helpIconPicture()
{
    static const QPixmap picture = [] {
        QPixmap pixmap(HelpIcon::kSize, HelpIcon::kSize);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QColor(0, 0, 128));
        painter.setBrush(QColor(255, 255, 200));
        painter.drawEllipse(QRectF(0.5, 0.5, HelpIcon::kSize - 1, HelpIcon::kSize - 1));
        QFont font = painter.font();
        font.setPixelSize(10);
        font.setBold(true);
        painter.setFont(font);
        painter.drawText(QRect(0, 0, HelpIcon::kSize, HelpIcon::kSize), Qt::AlignCenter,
                         QStringLiteral("?"));
        return pixmap;
    }();
    return picture;
}

HelpIcon::HelpIcon(const QString& text, QWidget* parent)
    : QAbstractButton(parent)
    , m_text(text)
{
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    setFixedSize(kSize, kSize);
    setToolTip(QStringLiteral("Help"));
}

void HelpIcon::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, helpIconPicture());
}

} // namespace morvane::ui::page
