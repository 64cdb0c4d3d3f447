#include "ui/live/LivePane.h"

#include "ui/live/PaneControls.h"
#include "ui/main/WindowPlacement.h"

#include <QAction>
#include <QEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>
#include <QToolBar>
#include <QVBoxLayout>

#include <utility>

using namespace Qt::StringLiterals;

namespace morvane::ui {
namespace {

const QString kNoFolder = u"The live preview has no folder to write its page into."_s;
const QString kShowItem = u"&Live preview"_s;
const QString kNoRoomItem = u"&Live preview (no room for it on this screen)"_s;

QAction* checkable(QMenu* menu, const QString& text, const QString& name)
{
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    action->setCheckable(true);
    action->setEnabled(false);
    return action;
}

} // namespace

LivePane::LivePane(QWidget* views, settings::Options& options, QObject* parent)
    : QObject(parent)
    , m_options(options)
{
    m_splitter = new QSplitter(Qt::Horizontal, views->parentWidget());
    m_splitter->setObjectName(u"liveSplitter"_s);
    m_splitter->setChildrenCollapsible(false);
    m_splitter->setHandleWidth(7);
    m_splitter->addWidget(views);
    m_splitter->setStretchFactor(0, 1);
    m_controls = new PaneControls(this);
    connect(m_controls, &PaneControls::zoomChanged, this, &LivePane::applyZoom);
    connect(m_controls, &PaneControls::reloadRequested, this, &LivePane::refresh);
    connect(m_controls, &PaneControls::openRequested, this, [this] {
        if (m_open && !m_address.isEmpty()) {
            m_open(m_address);
        }
    });
    connect(m_controls, &PaneControls::focusRequested, this, [this] {
        if (shown() && m_previewWidget) {
            m_previewWidget->setFocus(Qt::ShortcutFocusReason);
        }
    });
    for (QAction* action : m_controls->actions()) {
        action->setEnabled(false);
    }
    m_timer.setSingleShot(true);
    m_timer.setInterval(kDelay);
    connect(&m_timer, &QTimer::timeout, this, &LivePane::refresh);
}

void LivePane::setPreview(const platform::LivePreviewFactory& factory, Prepare prepare,
                          AppletSize appletSize, OpenUrl open)
{
    // The controls over the page, the page below: the whole is the pane the splitter places.
    auto* pane = new QWidget(m_splitter);
    pane->setObjectName(u"livePane"_s);
    auto* column = new QVBoxLayout(pane);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_controls->makeToolBar(pane));
    m_preview = factory(pane);
    column->addWidget(m_preview->widget(), 1);
    m_paneWidget = pane;
    m_prepare = std::move(prepare);
    m_appletSize = std::move(appletSize);
    m_open = std::move(open);
    m_preview->setMenu(m_controls->actions());
    m_previewWidget = m_preview->widget();
    m_previewWidget->installEventFilter(this);
    // The room a larger window adds goes to the pane: the page's fields are wide enough.
    m_splitter->addWidget(m_paneWidget);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->window()->installEventFilter(this);
    for (QAction* action : QList<QAction*>{m_show, m_below} + m_controls->actions()) {
        if (action) {
            action->setEnabled(true);
        }
    }
    place();
}

platform::LivePreview* LivePane::preview() const
{
    return m_paneWidget ? m_preview : nullptr;
}

void LivePane::addViewMenu(QMainWindow* window)
{
    QMenuBar* bar = window->menuBar();
    auto* menu = new QMenu(u"&View"_s, bar);
    menu->setObjectName(u"viewMenu"_s);
    m_show = checkable(menu, kShowItem, u"livePreviewItem"_s);
    m_below = checkable(menu, u"Preview &below"_s, u"livePreviewBelowItem"_s);
    connect(m_show, &QAction::toggled, this, &LivePane::setShown);
    connect(m_below, &QAction::toggled, this, &LivePane::setBelow);
    menu->addSeparator();
    menu->addActions(m_controls->actions());
    bar->insertMenu(bar->actions().value(2), menu);
    place();
}

void LivePane::apply(const settings::Options& options)
{
    m_options.livePreview = options.livePreview;
    m_options.livePreviewBelow = options.livePreviewBelow;
    // A remembered length that is too small to be of use gives way to the usual one.
    const QList<int>& size = options.livePreviewSize;
    if (size.size() == 2) {
        m_size = QSize(size[0] >= kMinimumSize.width() ? size[0] : kUsualSize.width(),
                       size[1] >= kMinimumSize.height() ? size[1] : kUsualSize.height());
    }
    if (!m_fit) {
        m_fitted = m_size;
    }
    place();
}

void LivePane::fitTo(PanePlace place, QSize size)
{
    m_fit = place;
    m_fitted = size;
    this->place();
}

void LivePane::remember(settings::Options& options) const
{
    // A size the screen imposed and the user left as it was is not the user's.
    QSize size = m_size;
    if (shown() && m_paneWidget->isVisible()) {
        const bool down = below();
        const int now = down ? m_paneWidget->height() : m_paneWidget->width();
        const int fitted = down ? m_fitted.height() : m_fitted.width();
        if (!m_fit || now != fitted) {
            (down ? size.rheight() : size.rwidth()) = now;
        }
    }
    options.livePreviewSize = {size.width(), size.height()};
}

QSize LivePane::extent() const
{
    if (!shown()) {
        return QSize(0, 0);
    }
    const int handle = m_splitter->handleWidth();
    return below() ? QSize(0, m_fitted.height() + handle) : QSize(m_fitted.width() + handle, 0);
}

bool LivePane::shown() const
{
    return m_paneWidget && (m_fit ? *m_fit != PanePlace::Hidden : m_options.livePreview);
}

bool LivePane::below() const
{
    return m_fit ? *m_fit == PanePlace::Below : m_options.livePreviewBelow;
}

void LivePane::changed()
{
    if (shown()) {
        m_timer.start();
    }
}

bool LivePane::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_previewWidget) {
        if (event->type() == QEvent::Resize) {
            applyZoom();
        }
        return false;
    }
    if (watched != m_splitter->window()) {
        return false;
    }
    if (event->type() == QEvent::Show) {
        place();
    } else if (event->type() == QEvent::Paint && !m_painted) {
        // What plays the pages comes up once the window is on the screen, not before.
        m_painted = true;
        startWhenShown();
    }
    return false;
}

void LivePane::place()
{
    const bool noRoom = m_fit == PanePlace::Hidden && m_options.livePreview;
    for (const auto& [action, on] :
         {std::pair{m_show, m_paneWidget ? shown() : m_options.livePreview},
          std::pair{m_below, m_paneWidget ? below() : m_options.livePreviewBelow}}) {
        if (action) {
            const QSignalBlocker quiet(action);
            action->setChecked(on);
        }
    }
    if (m_show) {
        m_show->setText(noRoom ? kNoRoomItem : kShowItem);
    }
    if (!m_paneWidget) {
        return;
    }
    if (m_below) {
        m_below->setEnabled(shown());
    }
    m_splitter->setOrientation(below() ? Qt::Vertical : Qt::Horizontal);
    m_paneWidget->setVisible(shown());
    if (!shown()) {
        m_timer.stop();
        return;
    }
    // After the window has laid out its new parts: the pane takes its remembered size, the
    // views the rest.
    QTimer::singleShot(0, this, [this] {
        if (!shown()) {
            return;
        }
        const QList<int> sizes = m_splitter->sizes();
        const int total = sizes.value(0) + sizes.value(1);
        const int wanted = below() ? m_fitted.height() : m_fitted.width();
        if (total > wanted) {
            m_splitter->setSizes({total - wanted, wanted});
        }
    });
    startWhenShown();
    changed();
}

void LivePane::startWhenShown()
{
    if (m_started || !m_painted || !shown()) {
        return;
    }
    m_started = true;
    QTimer::singleShot(0, this, [this] {
        if (m_paneWidget) {
            m_preview->start();
        }
    });
}

void LivePane::setShown(bool on)
{
    const QSize before = extent();
    m_options.livePreview = on;
    m_fit.reset();
    m_fitted = m_size;
    place();
    resizeWindowBy(extent() - before);
}

void LivePane::setBelow(bool down)
{
    const QSize before = extent();
    m_options.livePreviewBelow = down;
    m_options.livePreview = true;
    m_fit.reset();
    m_fitted = m_size;
    place();
    resizeWindowBy(extent() - before);
}

void LivePane::resizeWindowBy(QSize change)
{
    // A maximised window keeps its size: the views make room.
    QWidget* window = m_splitter->window();
    if (!window->isVisible() ||
        (window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
        return;
    }
    QSize size = window->size() + change;
    if (const QScreen* screen = window->screen()) {
        size = size.boundedTo(screen->availableGeometry().marginsRemoved(kFrameAllowance).size());
    }
    window->resize(size);
}

void LivePane::refresh()
{
    if (!shown()) {
        return;
    }
    const Outcome<QString> address = m_folder.isValid()
                                         ? m_prepare(m_folder.path())
                                         : Outcome<QString>(Result::failure(kNoFolder));
    if (address) {
        m_address = address.value();
        applyZoom();
        m_preview->showPage(address.value());
    } else {
        m_preview->showMessage(address.message());
    }
}

void LivePane::applyZoom()
{
    if (m_previewWidget) {
        m_preview->setZoom(m_controls->zoomFor(m_previewWidget->contentsRect().size(),
                                               m_appletSize ? m_appletSize() : QSize()));
    }
}

} // namespace morvane::ui
