#pragma once

#include "platform/LivePreview.h"

#include <QUrl>
#include <QWidget>

class QLabel;
class QWebEngineProfile;
class QWebEngineView;

namespace morvane::platform {

// The live pane on Qt WebEngine: a private profile that keeps nothing on disk and caches
// nothing (the page and its files change under the same names), pages that may open no window,
// no dialog and no other site, and a message line laid over the page it dims. Behind the page
// lies the palette's window colour; a frame round it tells that it has the keyboard.
class QtLivePreview final : public QWidget, public LivePreview {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QtLivePreview)

public:
    explicit QtLivePreview(QWidget* parent = nullptr);
    ~QtLivePreview() override;

    QWidget* widget() override { return this; }
    void start() override;
    void showPage(const QString& address) override;
    void showMessage(const QString& text) override;
    void setZoom(qreal factor) override;
    void setMenu(const QList<QAction*>& actions) override;

    // Once started; for the tests and the benchmark, which read the page back.
    QWebEngineView* view() const { return m_view; }
    QString message() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void load();
    void setMessage(const QString& text);
    bool focusInside() const;
    // Every widget of the view: no stop of Tab, its context menu ours.
    void tame(QWidget* widget);

    QWebEngineProfile* m_profile = nullptr;
    QWebEngineView* m_view = nullptr; // a child, made by start()
    QLabel* m_message = nullptr;
    QUrl m_address;
    qreal m_zoom = 1.0;
    QList<QAction*> m_menu;
};

// Makes a QtLivePreview owned by the parent given.
LivePreviewFactory qtLivePreviewFactory();

} // namespace morvane::platform
