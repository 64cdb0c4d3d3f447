#pragma once

#include "ui/live/PaneZoom.h"

#include <QList>
#include <QObject>

class QAction;
class QActionGroup;
class QToolBar;
class QToolButton;
class QWidget;

namespace morvane::ui {

// The live pane's own controls, for its tool bar, its context menu and the View menu: how the
// page is scaled (fitted by default), a zoom, a reload, the page in the browser and a key that
// moves into the pane.
class PaneControls final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PaneControls)

public:
    explicit PaneControls(QObject* parent);

    // In menu order, separators included.
    QList<QAction*> actions() const { return m_actions; }
    QToolBar* makeToolBar(QWidget* parent);

    PaneScale scale() const { return m_scale; }
    void setScale(PaneScale scale);
    // The zoom for the page now, which the zoom keys step from.
    qreal zoomFor(QSize pane, QSize applet);
    QAction* action(const QString& name) const;

Q_SIGNALS:
    void zoomChanged();
    void reloadRequested();
    void openRequested();
    void focusRequested();

private:
    void stepZoom(qreal by);

    QList<QAction*> m_actions;
    QActionGroup* m_scales;
    QToolButton* m_scaleButton = nullptr;
    PaneScale m_scale = PaneScale::Fit;
    qreal m_zoom = 1.0;   // the last one given
    qreal m_custom = 1.0; // PaneScale::Custom's
};

} // namespace morvane::ui
