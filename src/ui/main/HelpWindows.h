#pragma once

#include "platform/Services.h"

#include <QPointer>

class QWidget;

namespace morvane::ui {

class AboutBox;
class HelpWindow;
class LiveSupportWindow;

// The Help menu's windows, each made when first asked for and kept for the next time.
class HelpWindows {
public:
    HelpWindows(const QString& appDir, platform::Services services, QWidget* parent);

    // What the help icon below the views says about the main window.
    static QString mainHelpText();

    HelpWindow* help();
    AboutBox* about();
    LiveSupportWindow* liveSupport();

private:
    QString m_appDir;
    platform::Services m_services;
    QWidget* m_parent;
    QPointer<HelpWindow> m_help;
    QPointer<AboutBox> m_about;
    QPointer<LiveSupportWindow> m_liveSupport;
};

} // namespace morvane::ui
