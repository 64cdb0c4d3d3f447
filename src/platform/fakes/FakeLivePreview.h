#pragma once

#include "platform/LivePreview.h"

#include <QLabel>
#include <QStringList>

namespace morvane::platform {

// Records what the pane was asked to show, in order: "page <address>" or "message <text>".
class FakeLivePreview final : public QLabel, public LivePreview {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FakeLivePreview)

public:
    explicit FakeLivePreview(QWidget* parent = nullptr);

    QWidget* widget() override { return this; }
    void start() override { m_started = true; }
    void showPage(const QString& address) override;
    void showMessage(const QString& text) override;

    bool started() const { return m_started; }
    const QStringList& shown() const { return m_shown; }

private:
    bool m_started = false;
    QStringList m_shown;
};

} // namespace morvane::platform
