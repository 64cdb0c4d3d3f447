#pragma once

#include "platform/LivePreview.h"

#include <QStringList>
#include <QWidget>

#include <memory>

class QLabel;
class QVBoxLayout;

namespace morvane::platform {

// The live pane whose web engine comes from a module loaded by start(): until then it only
// remembers what to show, and a program that never starts it never loads the engine. A module
// that cannot be loaded leaves one line saying so.
class ModuleLivePreview final : public QWidget, public LivePreview {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ModuleLivePreview)

public:
    // `candidates`: the module's paths, tried in turn (without the file name's suffix).
    ModuleLivePreview(QStringList candidates, QWidget* parent);
    ~ModuleLivePreview() override;

    QWidget* widget() override { return this; }
    void start() override;
    void showPage(const QString& address) override;
    void showMessage(const QString& text) override;

    // The line shown when the module could not be loaded; empty otherwise.
    QString failure() const;

private:
    QStringList m_candidates;
    QVBoxLayout* m_layout = nullptr;
    QLabel* m_failure = nullptr;
    LivePreview* m_loaded = nullptr; // a child widget, once started
    QString m_address;
    QString m_message;
};

LivePreviewFactory moduleLivePreviewFactory(const QStringList& candidates);

} // namespace morvane::platform
