#include "ui/page/ColorSwatch.h"

#include "platform/ColorRef.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace morvane::ui::page {
namespace {

// A frame reads as a pane; the swatch acts as a button and says so.
class SwatchAccessible final : public QAccessibleWidget {
public:
    explicit SwatchAccessible(ColorSwatch* swatch)
        : QAccessibleWidget(swatch, QAccessible::Button)
    {}

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& action) override
    {
        if (action == pressAction()) {
            Q_EMIT static_cast<ColorSwatch*>(widget())->clicked();
        }
    }
};

QAccessibleInterface* swatchAccessible(const QString& className, QObject* object)
{
    auto* swatch = qobject_cast<ColorSwatch*>(object);
    if (swatch && className == QLatin1String(ColorSwatch::staticMetaObject.className())) {
        return new SwatchAccessible(swatch);
    }
    return nullptr;
}

} // namespace

ColorSwatch::ColorSwatch(QWidget* parent)
    : QFrame(parent)
{
    static const bool accessible = (QAccessible::installFactory(swatchAccessible), true);
    Q_UNUSED(accessible);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setFixedSize(kWidth, kHeight);
    setAutoFillBackground(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setColor(0);
}

void ColorSwatch::setColor(ColorRef color)
{
    m_color = color & 0xFFFFFFu;
    QPalette colors = palette();
    colors.setColor(QPalette::Window, platform::colorFromColorref(m_color));
    setPalette(colors);
    describe();
}

void ColorSwatch::pick(ColorRef color)
{
    setColor(color);
    Q_EMIT colorPicked(m_color);
}

void ColorSwatch::setLabel(const QString& label)
{
    m_label = label;
    describe();
}

void ColorSwatch::describe()
{
    const QString color = htmlColor(m_color);
    setToolTip(color);
    setAccessibleName(m_label.isEmpty() ? color : m_label + u": "_s + color);
}

void ColorSwatch::mousePressEvent(QMouseEvent* event)
{
    event->setAccepted(event->button() == Qt::LeftButton);
}

void ColorSwatch::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        Q_EMIT clicked();
    }
    event->accept();
}

void ColorSwatch::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
        Q_EMIT clicked();
        event->accept();
        return;
    }
    QFrame::keyPressEvent(event);
}

// The ring is drawn light and dark, so that it shows on any color the swatch may hold.
void ColorSwatch::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (!hasFocus()) {
        return;
    }
    QPainter painter(this);
    const QRect ring = rect().adjusted(3, 3, -4, -4);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(ring);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(ring);
}

} // namespace morvane::ui::page
