#include "platform/ModuleLivePreview.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLibrary>
#include <QLibraryInfo>
#include <QVBoxLayout>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace morvane::platform {
namespace {

using CreatePreview = LivePreview* (*)(QWidget*);

// Either switch turns the engine's sandbox off; an empty value counts, as the engine reads it.
bool sandboxSwitchedOff(const QProcessEnvironment& environment)
{
    if (environment.contains(u"QTWEBENGINE_DISABLE_SANDBOX"_s)) {
        return true;
    }
    const QStringList flags =
        environment.value(u"QTWEBENGINE_CHROMIUM_FLAGS"_s).split(u' ', Qt::SkipEmptyParts);
    return flags.contains(u"--no-sandbox"_s);
}

// Where the engine looks for its helper program; it ends the program when none is there.
QStringList helperCandidates(const QProcessEnvironment& environment)
{
#ifdef Q_OS_WIN
    const QString name = u"QtWebEngineProcess.exe"_s;
#else
    const QString name = u"QtWebEngineProcess"_s;
#endif
    if (const QString named = environment.value(u"QTWEBENGINEPROCESS_PATH"_s); !named.isEmpty()) {
        return {named};
    }
    return {QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath) + u'/' + name,
            QCoreApplication::applicationDirPath() + u'/' + name};
}

} // namespace

QString engineRefusal(bool asRoot, const QProcessEnvironment& environment)
{
    if (asRoot && !sandboxSwitchedOff(environment)) {
        return u"The live preview does not run as root: its web engine would end the program. "
               "Start Morvane as an ordinary user, or set QTWEBENGINE_DISABLE_SANDBOX=1 to run "
               "the engine without its sandbox."_s;
    }
    return {};
}

bool runsAsRoot()
{
#ifdef Q_OS_UNIX
    return ::geteuid() == 0 || ::getuid() == 0;
#else
    return false;
#endif
}

QString engineRefusalHere()
{
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (QString refusal = engineRefusal(runsAsRoot(), environment); !refusal.isEmpty()) {
        return refusal;
    }
#ifndef Q_OS_MACOS
    const QStringList helpers = helperCandidates(environment);
    for (const QString& helper : helpers) {
        if (QFileInfo(helper).isFile()) {
            return {};
        }
    }
    return u"The live preview cannot start: its web engine's helper program is missing (%1)."_s.arg(
        QDir::toNativeSeparators(helpers.join(u", "_s)));
#else
    return {};
#endif
}

ModuleLivePreview::ModuleLivePreview(QStringList candidates, QWidget* parent, EngineCheck check)
    : QWidget(parent)
    , m_candidates(std::move(candidates))
    , m_check(std::move(check))
    , m_layout(new QVBoxLayout(this))
{
    m_layout->setContentsMargins(0, 0, 0, 0);
}

ModuleLivePreview::~ModuleLivePreview() = default;

void ModuleLivePreview::fail(const QString& line)
{
    m_failure = new QLabel(line, this);
    m_failure->setObjectName(u"liveFailure"_s);
    m_failure->setWordWrap(true);
    m_failure->setAlignment(Qt::AlignCenter);
    m_failure->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_layout->addWidget(m_failure);
}

void ModuleLivePreview::start()
{
    if (m_loaded || m_failure) {
        return;
    }
    // Checked before the module is loaded: whatever the engine cannot survive never starts it.
    if (const QString refusal = m_check ? m_check() : QString(); !refusal.isEmpty()) {
        fail(refusal);
        return;
    }
    QString why;
    for (const QString& path : std::as_const(m_candidates)) {
        QLibrary module(path);
        const auto create =
            reinterpret_cast<CreatePreview>(module.resolve("morvaneCreateLivePreview"));
        if (create) {
            m_loaded = create(this);
            break;
        }
        why = module.errorString();
    }
    if (!m_loaded) {
        fail(u"The live preview cannot start: its web engine could not be loaded (%1)."_s.arg(why));
        return;
    }
    m_layout->addWidget(m_loaded->widget());
    m_loaded->setZoom(m_zoom);
    m_loaded->setMenu(m_menu);
    m_loaded->start();
    if (!m_address.isEmpty()) {
        m_loaded->showPage(m_address);
    }
    if (!m_message.isEmpty()) {
        m_loaded->showMessage(m_message);
    }
}

void ModuleLivePreview::showPage(const QString& address)
{
    m_address = address;
    m_message.clear();
    if (m_loaded) {
        m_loaded->showPage(address);
    }
}

void ModuleLivePreview::showMessage(const QString& text)
{
    m_message = text;
    if (m_loaded) {
        m_loaded->showMessage(text);
    }
}

void ModuleLivePreview::setZoom(qreal factor)
{
    m_zoom = factor;
    if (m_loaded) {
        m_loaded->setZoom(factor);
    }
}

void ModuleLivePreview::setMenu(const QList<QAction*>& actions)
{
    m_menu = actions;
    setContextMenuPolicy(Qt::ActionsContextMenu);
    addActions(actions);
    if (m_loaded) {
        m_loaded->setMenu(actions);
    }
}

QString ModuleLivePreview::failure() const
{
    return m_failure ? m_failure->text() : QString();
}

LivePreviewFactory moduleLivePreviewFactory(const QStringList& candidates)
{
    return [candidates](QWidget* parent) -> LivePreview* {
        return new ModuleLivePreview(candidates, parent);
    };
}

} // namespace morvane::platform
