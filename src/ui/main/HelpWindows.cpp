#include "ui/main/HelpWindows.h"

#include "ui/help/AboutBox.h"
#include "ui/help/HelpWindow.h"
#include "ui/help/LiveSupportWindow.h"

using namespace Qt::StringLiterals;

namespace morvane::ui {

HelpWindows::HelpWindows(const QString& appDir, platform::Services services, QWidget* parent)
    : m_appDir(appDir)
    , m_services(services)
    , m_parent(parent)
{}

QString HelpWindows::mainHelpText()
{
    return u"This is the main screen of Morvane. Click 'Applets' on the explorer on the left to "
           "view the applets list. Next, double click on the applet name you want and fill out "
           "the parameters. Then click 'Show preview' to view a preview in the default browser. "
           "When the applet configuration is ready, click on 'HTML' to get the HTML code and copy "
           "the needed files."_s;
}

HelpWindow* HelpWindows::help()
{
    if (!m_help) {
        m_help = new HelpWindow(m_appDir, m_services, m_parent);
    }
    return m_help;
}

AboutBox* HelpWindows::about()
{
    if (!m_about) {
        m_about = new AboutBox(m_parent);
    }
    return m_about;
}

LiveSupportWindow* HelpWindows::liveSupport()
{
    if (!m_liveSupport) {
        m_liveSupport = new LiveSupportWindow(m_parent);
    }
    return m_liveSupport;
}

} // namespace morvane::ui
