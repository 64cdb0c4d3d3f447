#pragma once

#include "platform/LivePreview.h"

#include <QProcessEnvironment>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>

class QLabel;
class QVBoxLayout;

namespace morvane::platform {

// Why the web engine must not be started, or an empty text when it may. The engine ends the
// whole program where it cannot start, rather than failing: as root without its sandbox switched
// off, and without its helper program.
QString engineRefusal(bool asRoot, const QProcessEnvironment& environment);
// The same for this process; the engine is asked nothing, and its libraries are not loaded.
QString engineRefusalHere();
bool runsAsRoot();

// The live pane whose web engine comes from a module loaded by start(): until then it only
// remembers what to show, and a program that never starts it never loads the engine. A module
// that cannot be loaded, or an engine that must not be started, leaves one line saying so.
class ModuleLivePreview final : public QWidget, public LivePreview {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ModuleLivePreview)

public:
    // Asked by start() before the module is loaded: why the engine must not start, if so.
    using EngineCheck = std::function<QString()>;

    // `candidates`: the module's paths, tried in turn (without the file name's suffix).
    ModuleLivePreview(QStringList candidates, QWidget* parent,
                      EngineCheck check = engineRefusalHere);
    ~ModuleLivePreview() override;

    QWidget* widget() override { return this; }
    void start() override;
    void showPage(const QString& address) override;
    void showMessage(const QString& text) override;
    void setZoom(qreal factor) override;
    void setMenu(const QList<QAction*>& actions) override;

    // The line shown when the module could not be loaded or the engine not started; empty
    // otherwise.
    QString failure() const;

private:
    void fail(const QString& line);

    QStringList m_candidates;
    EngineCheck m_check;
    QVBoxLayout* m_layout = nullptr;
    QLabel* m_failure = nullptr;
    LivePreview* m_loaded = nullptr; // a child widget, once started
    QString m_address;
    QString m_message;
    qreal m_zoom = 1.0;
    QList<QAction*> m_menu;
};

LivePreviewFactory moduleLivePreviewFactory(const QStringList& candidates);

} // namespace morvane::platform
