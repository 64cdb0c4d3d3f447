#pragma once

#include "catalog/ProfileReader.h"

#include <QTreeWidget>

class QLineEdit;
class QMenu;

namespace morvane::ui {

class HotTrackDelegate;

// The report-style list of the 50 kinds with their descriptions, under a search field that
// keeps the rows whose name or description holds what is typed. Search field and list share
// the list's place, so the window around them is laid out as without the field.
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
    QLineEdit* searchField() const { return m_search; }

public Q_SLOTS:
    // Puts the cursor in the search field, its text selected (the window's Find shortcut).
    void focusSearch();

Q_SIGNALS:
    void kindActivated(const QString& kind);
    void viewSampleRequested(const QString& kind);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void filter(const QString& text);
    // The visible kind Enter in the search field opens.
    QTreeWidgetItem* bestMatch() const;
    void activate(QTreeWidgetItem* row);

    HotTrackDelegate* m_hotTrack;
    QMenu* m_contextMenu;
    QAction* m_viewSample;
    QLineEdit* m_search;
};

} // namespace morvane::ui
