#pragma once

#include "platform/LivePreview.h"

#include <QLabel>
#include <QStringList>

namespace morvane::platform {

// Records what the pane was asked to show, in order: "page <address>" or "message <text>", and
// its zoom and menu.
class FakeLivePreview final : public QLabel, public LivePreview {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FakeLivePreview)

public:
    explicit FakeLivePreview(QWidget* parent = nullptr);

    QWidget* widget() override { return this; }
    void start() override { m_started = true; }
    void showPage(const QString& address) override;
    void showMessage(const QString& text) override;
    void setZoom(qreal factor) override { m_zoom = factor; }
    void setMenu(const QList<QAction*>& actions) override { m_menu = actions; }

    bool started() const { return m_started; }
    const QStringList& shown() const { return m_shown; }
    qreal zoom() const { return m_zoom; }
    const QList<QAction*>& menu() const { return m_menu; }

private:
    bool m_started = false;
    QStringList m_shown;
    qreal m_zoom = 1.0;
    QList<QAction*> m_menu;
};

} // namespace morvane::platform
