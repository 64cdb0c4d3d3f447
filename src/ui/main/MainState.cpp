#include "ui/main/MainState.h"

#include "catalog/Version.h"
#include "settings/SettingsStore.h"

namespace morvane::ui {

QString captionFor(View view, const QString& kind)
{
    const QString start = u"Morvane " % versionText();
    switch (view) {
    case View::AppletsList:
        return start % u": Applets list";
    case View::HelpPage:
        return start % u": Help";
    case View::KindPage:
        return start % u": " % kind % u" configuration";
    }
    return start;
}

MainState::MainState(const QString& appDir, settings::WorkingCopy& copy)
    : m_appDir(appDir)
    , m_copy(copy)
{}

Result MainState::saveCurrentKind() const
{
    return settings::saveKind(m_appDir, m_currentKind, m_copy);
}

Result MainState::show(View view)
{
    if (Result saved = saveCurrentKind(); !saved) {
        return saved;
    }
    m_view = view;
    return Result::success();
}

Result MainState::openKind(const QString& kind)
{
    if (Result saved = saveCurrentKind(); !saved) {
        return saved;
    }
    const Outcome<settings::KindLoad> load = settings::loadKind(m_appDir, kind, m_copy);
    if (!load) {
        return load.result();
    }
    m_currentKind = kind;
    m_support = load->support;
    m_loadNotice = load->notice;
    m_view = View::KindPage;
    return Result::success();
}

} // namespace morvane::ui
