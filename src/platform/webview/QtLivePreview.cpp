#include "platform/webview/QtLivePreview.h"

#include <QApplication>
#include <QChildEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

using namespace Qt::StringLiterals;

namespace morvane::platform {
namespace {

constexpr int kFrame = 2;

const QString kLoadFailed = u"The live preview could not load its page: "_s;
const QString kEngineEnded =
    u"The live preview stopped: its web engine ended. Change a value to try again."_s;

// Stays on the program's own pages: a link an applet follows, an alert or a new window would
// take the user out of the program or stop it with a box.
class LivePage final : public QWebEnginePage {
public:
    LivePage(QWebEngineProfile* profile, QObject* parent)
        : QWebEnginePage(profile, parent)
    {}

    QUrl home;

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) override
    {
        return !isMainFrame || url.adjusted(QUrl::RemoveQuery | QUrl::RemoveFragment) ==
                                   home.adjusted(QUrl::RemoveQuery | QUrl::RemoveFragment);
    }
    void javaScriptAlert(const QUrl&, const QString&) override {}
    bool javaScriptConfirm(const QUrl&, const QString&) override { return false; }
    bool javaScriptPrompt(const QUrl&, const QString&, const QString&, QString*) override
    {
        return false;
    }
};

// The message over a dimmed page: the page stays in sight, plainly not the current values.
class MessageLine final : public QLabel {
public:
    explicit MessageLine(QWidget* parent)
        : QLabel(parent)
    {
        setObjectName(u"liveMessage"_s);
        setAlignment(Qt::AlignCenter);
        setWordWrap(true);
        setMargin(12);
        setTextInteractionFlags(Qt::TextSelectableByMouse);
        QFont bold = font();
        bold.setBold(true);
        setFont(bold);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        QColor veil = palette().color(QPalette::Window);
        veil.setAlpha(215);
        painter.fillRect(rect(), veil);
        painter.end();
        QLabel::paintEvent(event);
    }
};

} // namespace

QtLivePreview::QtLivePreview(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(u"livePreview"_s);
    setAccessibleName(u"Live preview"_s);
    setMinimumSize(160, 120);
    setContentsMargins(kFrame, kFrame, kFrame, kFrame);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    m_message = new MessageLine(this);
    grid->addWidget(m_message, 0, 0);
}

QtLivePreview::~QtLivePreview()
{
    // The profile must outlive its pages.
    delete m_view;
}

void QtLivePreview::start()
{
    if (m_view) {
        return;
    }
    // On Linux the engine shows screen readers nothing of its pages unless asked; the applet's
    // status-bar text is its accessible name there. Read when the engine first starts.
    if (!qEnvironmentVariableIsSet("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY")) {
        qputenv("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY", "1");
    }
    m_profile = new QWebEngineProfile(this);
    m_profile->setHttpCacheType(QWebEngineProfile::NoCache);
    m_profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);

    m_view = new QWebEngineView(this);
    m_view->setObjectName(u"liveView"_s);
    m_view->setAccessibleName(u"Live preview"_s);
    tame(m_view);
    setFocusProxy(m_view);
    auto* page = new LivePage(m_profile, m_view);
    page->setBackgroundColor(palette().color(QPalette::Window));
    // A refresh must never pull the keyboard away from the field being typed in.
    page->settings()->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, false);
    page->settings()->setAttribute(QWebEngineSettings::ShowScrollBars, true);
    m_view->setPage(page);
    connect(page, &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo& info) {
        if (info.status() == QWebEngineLoadingInfo::LoadFailedStatus && info.url() == m_address) {
            setMessage(kLoadFailed + info.errorString());
        }
        // A new document starts at the engine's zoom for its site.
        if (info.status() == QWebEngineLoadingInfo::LoadSucceededStatus) {
            m_view->setZoomFactor(m_zoom);
        }
    });
    connect(qApp, &QApplication::focusChanged, this, [this] { update(); });
    connect(page, &QWebEnginePage::renderProcessTerminated, this,
            [this](QWebEnginePage::RenderProcessTerminationStatus status) {
                if (status != QWebEnginePage::NormalTerminationStatus) {
                    setMessage(kEngineEnded);
                }
            });

    auto* grid = static_cast<QGridLayout*>(layout());
    grid->addWidget(m_view, 0, 0);
    m_message->raise();
    if (!m_address.isEmpty()) {
        load();
    }
}

void QtLivePreview::showPage(const QString& address)
{
    m_address = QUrl(address);
    setMessage(QString());
    if (m_view) {
        load();
    }
}

void QtLivePreview::load()
{
    auto* page = static_cast<LivePage*>(m_view->page());
    page->home = m_address;
    if (page->url() == m_address) {
        page->triggerAction(QWebEnginePage::ReloadAndBypassCache);
    } else {
        page->load(m_address);
    }
}

void QtLivePreview::showMessage(const QString& text)
{
    setMessage(text);
}

void QtLivePreview::setMessage(const QString& text)
{
    m_message->setText(text);
    m_message->setVisible(!text.isEmpty() || !m_view);
}

QString QtLivePreview::message() const
{
    return m_message->isVisible() ? m_message->text() : QString();
}

void QtLivePreview::setZoom(qreal factor)
{
    m_zoom = factor;
    if (m_view) {
        m_view->setZoomFactor(factor);
    }
}

void QtLivePreview::setMenu(const QList<QAction*>& actions)
{
    m_menu = actions;
    setContextMenuPolicy(Qt::ActionsContextMenu);
    addActions(actions);
}

void QtLivePreview::tame(QWidget* widget)
{
    widget->setFocusPolicy(Qt::ClickFocus);
    // Deferred to this widget, which shows the pane's own menu.
    widget->setContextMenuPolicy(Qt::NoContextMenu);
    widget->installEventFilter(this);
}

bool QtLivePreview::eventFilter(QObject* watched, QEvent* event)
{
    // The engine makes the widget that draws the page when the first page comes.
    if (event->type() == QEvent::ChildAdded) {
        if (auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child())) {
            tame(child);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void QtLivePreview::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange && m_view) {
        m_view->page()->setBackgroundColor(palette().color(QPalette::Window));
    }
    QWidget::changeEvent(event);
}

bool QtLivePreview::focusInside() const
{
    const QWidget* focus = QApplication::focusWidget();
    return focus && (focus == this || isAncestorOf(focus));
}

void QtLivePreview::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (focusInside()) {
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::Highlight), kFrame));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

LivePreviewFactory qtLivePreviewFactory()
{
    return [](QWidget* parent) -> LivePreview* { return new QtLivePreview(parent); };
}

} // namespace morvane::platform
