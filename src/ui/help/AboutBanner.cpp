#include "ui/help/AboutBanner.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <array>

using namespace Qt::StringLiterals;

namespace morvane::ui {
namespace {

void drawTiles(QPainter& painter)
{
    static constexpr std::array<QRgb, 6> kTileColors = {0xF2B134, 0xED553B, 0x47AB6C,
                                                        0x4FB0C6, 0xA77DC2, 0xF7E967};
    const int size = 12;
    const int gap = 5;
    const int top = kAboutBannerHeight - size - 9;
    for (int i = 0; i < 19; ++i) {
        QColor color = QColor::fromRgb(kTileColors[static_cast<size_t>(i) % kTileColors.size()]);
        color.setAlpha(230 - i * 9);
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
        painter.drawRoundedRect(QRectF(14 + i * (size + gap), top, size, size), 3, 3);
    }
}

void drawWave(QPainter& painter)
{
    QPainterPath wave;
    wave.moveTo(0, 62);
    wave.cubicTo(120, 30, 260, 95, kAboutBannerWidth, 40);
    wave.lineTo(kAboutBannerWidth, kAboutBannerHeight);
    wave.lineTo(0, kAboutBannerHeight);
    wave.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 28));
    painter.drawPath(wave);
}

void drawName(QPainter& painter)
{
    QFont name(u"DejaVu Serif"_s);
    name.setPixelSize(40);
    name.setBold(true);
    name.setItalic(true);
    painter.setFont(name);
    painter.setPen(QColor(0, 0, 0, 70));
    painter.drawText(QPointF(20, 50), u"Morvane"_s);
    painter.setPen(Qt::white);
    painter.drawText(QPointF(18, 48), u"Morvane"_s);

    QFont tagline(u"DejaVu Sans"_s);
    tagline.setPixelSize(12);
    painter.setFont(tagline);
    painter.setPen(QColor(0xDD, 0xEE, 0xFF));
    painter.drawText(QPointF(22, 66), u"Fifty web applets, ready to configure"_s);
}

} // namespace

QPixmap aboutBanner()
{
    QPixmap banner(kAboutBannerWidth, kAboutBannerHeight);
    QPainter painter(&banner);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient sky(0, 0, kAboutBannerWidth, kAboutBannerHeight);
    sky.setColorAt(0.0, QColor(0x1B, 0x2A, 0x6B));
    sky.setColorAt(0.6, QColor(0x1F, 0x6F, 0x9F));
    sky.setColorAt(1.0, QColor(0x2B, 0x9C, 0x9A));
    painter.fillRect(banner.rect(), sky);

    drawWave(painter);
    drawTiles(painter);
    drawName(painter);
    return banner;
}

} // namespace morvane::ui
