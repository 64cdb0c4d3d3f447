#pragma once

#include "base/Result.h"
#include "catalog/Catalog.h"
#include "settings/WorkingCopy.h"

#include <QString>

namespace morvane::ui {

enum class View { AppletsList, HelpPage, KindPage };

// "Morvane 1.5.4: Applets list", "Morvane 1.5.4: Help", "Morvane 1.5.4: Zoom configuration".
QString captionFor(View view, const QString& kind);

// The main window's state without its widgets: which view is shown, the current kind and its
// working copy. Every change of view saves the current kind first. A save that fails leaves
// the view as it was, so that edits not yet written are not replaced by the next load.
class MainState {
public:
    MainState(const QString& appDir, settings::WorkingCopy& copy);

    const QString& appDir() const { return m_appDir; }
    const QString& currentKind() const { return m_currentKind; }
    View view() const { return m_view; }
    const catalog::Support& support() const { return m_support; }
    // What the last load had to mend and the user should know; empty when nothing.
    const QString& loadNotice() const { return m_loadNotice; }
    settings::WorkingCopy& workingCopy() { return m_copy; }
    QString caption() const { return captionFor(m_view, m_currentKind); }
    bool actionsEnabled() const { return m_view == View::KindPage; }

    // For the applets list and the help pages.
    Result show(View view);
    // Saves the current kind (also when it is `kind`), loads `kind` and makes it current.
    // A failed load leaves the previous kind current and the view unchanged.
    Result openKind(const QString& kind);
    // The closing step's save.
    Result saveCurrentKind() const;

private:
    QString m_appDir;
    settings::WorkingCopy& m_copy;
    QString m_currentKind;
    catalog::Support m_support;
    QString m_loadNotice;
    View m_view = View::AppletsList;
};

} // namespace morvane::ui
