#pragma once

#include "catalog/ProfileReader.h"

#include <QTreeWidget>

class QMenu;

namespace morvane::ui {

class HotTrackDelegate;

// The report-style list of the 50 kinds with their descriptions.
class AppletsList final : public QTreeWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AppletsList)

public:
    explicit AppletsList(const catalog::ProfileReader& profile, QWidget* parent = nullptr);

    // The kind of the selected row, empty without one.
    QString selectedKind() const;
    void setHotTracking(bool on);
    bool hotTracking() const;
    QMenu* contextMenu() const { return m_contextMenu; }
    QAction* viewSampleAction() const { return m_viewSample; }

Q_SIGNALS:
    void kindActivated(const QString& kind);
    void viewSampleRequested(const QString& kind);

private:
    HotTrackDelegate* m_hotTrack;
    QMenu* m_contextMenu;
    QAction* m_viewSample;
};

} // namespace morvane::ui
