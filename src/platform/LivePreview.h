#pragma once

#include <QList>
#include <QtGlobal>

#include <functional>

class QAction;
class QString;
class QWidget;

namespace morvane::platform {

// A pane that plays a page of the program's own server beside the parameters, so that a value
// tried is seen without leaving the program. It never takes the keyboard focus by itself, and is
// not a stop of Tab: a click or the window's key moves into it, and it shows a frame then.
class LivePreview {
public:
    virtual ~LivePreview() = default;

    // The pane, placed by the window that owns it.
    virtual QWidget* widget() = 0;
    // Brings up what plays the pages; until then the pane only remembers what to show. Called
    // once the window is on the screen, so that its start-up does not wait for it.
    virtual void start() = 0;
    // Loads the page at `address` anew (its files may have changed under the same name), the
    // message gone.
    virtual void showPage(const QString& address) = 0;
    // One line over the page last shown, which stays behind it, dimmed.
    virtual void showMessage(const QString& text) = 0;
    // Scales the page as a browser's zoom does: it is laid out for the pane's width divided by
    // `factor`, then drawn `factor` times its CSS size.
    virtual void setZoom(qreal factor) = 0;
    // The pane's menu, in place of the engine's own.
    virtual void setMenu(const QList<QAction*>& actions) = 0;

protected:
    LivePreview() = default;
    Q_DISABLE_COPY_MOVE(LivePreview)
};

// Makes a pane whose widget is a child of `parent`, and goes with it.
using LivePreviewFactory = std::function<LivePreview*(QWidget* parent)>;

} // namespace morvane::platform
