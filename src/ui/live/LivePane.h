#pragma once

#include "base/Outcome.h"
#include "platform/LivePreview.h"
#include "settings/Options.h"

#include <QObject>
#include <QPointer>
#include <QSize>
#include <QTemporaryDir>
#include <QTimer>

#include <chrono>
#include <functional>
#include <optional>

class QAction;
class QMainWindow;
class QSplitter;

namespace morvane::ui {

enum class PanePlace;
class PaneControls;

// The live preview beside or below the views: one splitter holding both, the View menu's items
// that show and place it and the pane's own controls above it, and the refresh once the values
// stop changing. The pane plays a
// page of its own folder, so the preview in the browser and its test folder stay as they are.
class LivePane final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LivePane)

public:
    // The address of the page showing the current values, written into the folder given, or
    // the message telling why there is none.
    using Prepare = std::function<Outcome<QString>(const QString& folder)>;

    // Short enough that the new applet is there within a breath of the last key; keys held or
    // pressed faster than this, a pasted text or a list edit's several changes make one load.
    static constexpr std::chrono::milliseconds kDelay{50};
    static constexpr QSize kUsualSize{320, 240};
    // Smaller, the pane shows too little to be of use: the window places it elsewhere.
    static constexpr QSize kMinimumSize{200, 150};

    // Takes `views` into its splitter, which the caller lays out in its place.
    LivePane(QWidget* views, settings::Options& options, QObject* parent);

    QSplitter* splitter() const { return m_splitter; }
    // The size the current kind's applet asks for; empty without one.
    using AppletSize = std::function<QSize()>;
    using OpenUrl = std::function<void(const QString& address)>;

    // Without a factory (the tests of the other windows) there is no pane, and its menu items
    // stay disabled. `open` shows the pane's page in the browser.
    void setPreview(const platform::LivePreviewFactory& factory, Prepare prepare,
                    AppletSize appletSize, OpenUrl open);
    platform::LivePreview* preview() const;
    // "&View", after "&Edit".
    void addViewMenu(QMainWindow* window);

    // Shows and places the pane as `options` say.
    void apply(const settings::Options& options);
    // Where the pane goes on this screen, and its size there, for as long as the user changes
    // neither: the options keep what the user chose.
    void fitTo(PanePlace place, QSize size);
    bool available() const { return m_paneWidget != nullptr; }
    // Writes the pane's size into the options, for the closing step.
    void remember(settings::Options& options) const;
    // The room the shown pane adds to the window.
    QSize extent() const;

    // A value, list or view changed: the pane refreshes once they stop changing.
    void changed();

    PaneControls* controls() const { return m_controls; }
    QAction* showAction() const { return m_show; }
    QAction* belowAction() const { return m_below; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool shown() const;
    bool below() const;
    void place();
    void refresh();
    void setShown(bool on);
    void setBelow(bool below);
    void resizeWindowBy(QSize change);
    void startWhenShown();
    void applyZoom();

    settings::Options& m_options;
    QSplitter* m_splitter = nullptr;
    QPointer<QWidget> m_paneWidget;    // the controls and the preview
    QPointer<QWidget> m_previewWidget; // gone before the pane when the window goes
    platform::LivePreview* m_preview = nullptr;
    Prepare m_prepare;
    AppletSize m_appletSize;
    OpenUrl m_open;
    QString m_address; // of the page last shown
    PaneControls* m_controls = nullptr;
    QTemporaryDir m_folder;
    QTimer m_timer;
    QSize m_size = kUsualSize;      // as the user made it
    QSize m_fitted = kUsualSize;    // as placed on this screen
    std::optional<PanePlace> m_fit; // the place on this screen, while the user changes nothing
    bool m_painted = false;         // the window has been drawn once
    bool m_started = false;
    QAction* m_show = nullptr;
    QAction* m_below = nullptr;
};

} // namespace morvane::ui
