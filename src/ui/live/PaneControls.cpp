#include "ui/live/PaneControls.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

#include <cmath>

using namespace Qt::StringLiterals;

namespace morvane::ui {
namespace {

struct ScaleItem {
    PaneScale scale;
    const char16_t* text;
    const char16_t* name;
    const char16_t* shortText; // on the tool bar's button
};

// clang-format off
constexpr ScaleItem kScales[] = {
    {PaneScale::Fit, u"&Fit the applet", u"liveFit", u"Fit"},
    {PaneScale::Actual, u"&Actual size (100 %)", u"liveActual", u"100 %"},
    {PaneScale::Phone, u"&Phone width (360)", u"livePhone", u"Phone"},
    {PaneScale::Tablet, u"T&ablet width (768)", u"liveTablet", u"Tablet"},
    {PaneScale::AppletWidth, u"The applet's &width", u"liveAppletWidth", u"Width"},
};
// clang-format on

constexpr qreal kZoomStep = 1.25;

QAction* newAction(QObject* parent, const QString& text, const QString& name,
                   const QKeySequence& keys = {})
{
    auto* action = new QAction(text, parent);
    action->setObjectName(name);
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}

QAction* separator(QObject* parent)
{
    auto* action = new QAction(parent);
    action->setSeparator(true);
    return action;
}

} // namespace

PaneControls::PaneControls(QObject* parent)
    : QObject(parent)
    , m_scales(new QActionGroup(this))
{
    m_scales->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const ScaleItem& item : kScales) {
        QAction* action =
            newAction(this, QString::fromUtf16(item.text), QString::fromUtf16(item.name));
        action->setCheckable(true);
        action->setChecked(item.scale == m_scale);
        m_scales->addAction(action);
        m_actions.append(action);
        connect(action, &QAction::triggered, this, [this, scale = item.scale] { setScale(scale); });
    }
    QAction* zoomIn = newAction(this, u"Zoom &in"_s, u"liveZoomIn"_s, QKeySequence::ZoomIn);
    QAction* zoomOut = newAction(this, u"Zoom &out"_s, u"liveZoomOut"_s, QKeySequence::ZoomOut);
    QAction* reload = newAction(this, u"&Reload"_s, u"liveReload"_s, QKeySequence(Qt::Key_F5));
    QAction* open = newAction(this, u"Open in &browser"_s, u"liveOpen"_s);
    QAction* focus =
        newAction(this, u"&Go to the live preview"_s, u"liveFocus"_s, QKeySequence(Qt::Key_F6));
    // Short words on the tool bar, so that it fits the narrowest pane.
    zoomIn->setIconText(u"+"_s);
    zoomOut->setIconText(u"\u2212"_s);
    reload->setIconText(u"Reload"_s);
    open->setIconText(u"Browser"_s);
    connect(zoomIn, &QAction::triggered, this, [this] { stepZoom(kZoomStep); });
    connect(zoomOut, &QAction::triggered, this, [this] { stepZoom(1 / kZoomStep); });
    connect(reload, &QAction::triggered, this, &PaneControls::reloadRequested);
    connect(open, &QAction::triggered, this, &PaneControls::openRequested);
    connect(focus, &QAction::triggered, this, &PaneControls::focusRequested);
    m_actions << separator(this) << zoomIn << zoomOut << separator(this) << reload << open
              << separator(this) << focus;
}

QAction* PaneControls::action(const QString& name) const
{
    for (QAction* action : m_actions) {
        if (action->objectName() == name) {
            return action;
        }
    }
    return nullptr;
}

// Words only: a picture read at the start would load every image reader before the window
// shows.
QToolBar* PaneControls::makeToolBar(QWidget* parent)
{
    auto* bar = new QToolBar(parent);
    bar->setObjectName(u"liveToolBar"_s);
    bar->setAccessibleName(u"Live preview controls"_s);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_scaleButton = new QToolButton(bar);
    m_scaleButton->setObjectName(u"liveScale"_s);
    m_scaleButton->setPopupMode(QToolButton::InstantPopup);
    m_scaleButton->setFocusPolicy(Qt::NoFocus); // the View menu holds the same choices
    m_scaleButton->setToolTip(u"How the applet is scaled"_s);
    auto* menu = new QMenu(m_scaleButton);
    menu->addActions(m_scales->actions());
    m_scaleButton->setMenu(menu);
    bar->addWidget(m_scaleButton);
    for (const QString& name :
         {u"liveZoomOut"_s, u"liveZoomIn"_s, u"liveReload"_s, u"liveOpen"_s}) {
        QAction* item = action(name);
        bar->addAction(item);
        bar->widgetForAction(item)->setToolTip(QString(item->text()).remove(u'&'));
    }
    setScale(m_scale);
    return bar;
}

void PaneControls::setScale(PaneScale scale)
{
    m_scale = scale;
    QString shortText = u"%1 %"_s.arg(std::lround(m_custom * 100));
    for (const ScaleItem& item : kScales) {
        const bool current = item.scale == scale;
        action(QString::fromUtf16(item.name))->setChecked(current);
        if (current) {
            shortText = QString::fromUtf16(item.shortText);
        }
    }
    if (m_scaleButton) {
        m_scaleButton->setText(shortText);
    }
    Q_EMIT zoomChanged();
}

qreal PaneControls::zoomFor(QSize pane, QSize applet)
{
    m_zoom = paneZoom(m_scale, pane, applet, m_custom);
    return m_zoom;
}

void PaneControls::stepZoom(qreal by)
{
    m_custom = std::clamp(m_zoom * by, kSmallestZoom, kLargestZoom);
    setScale(PaneScale::Custom);
}

} // namespace morvane::ui
