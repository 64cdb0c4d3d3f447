#include "ui/MainWindow.h"

#include "catalog/Kinds.h"
#include "catalog/SamplePaths.h"
#include "catalog/Version.h"
#include "generator/Generator.h"
#include "generator/Preview.h"
#include "settings/FirstRun.h"
#include "settings/Profile.h"
#include "settings/SaveJournal.h"
#include "settings/SettingsStore.h"
#include "ui/Icons.h"
#include "ui/help/AboutBox.h"
#include "ui/help/HelpWindow.h"
#include "ui/help/LiveSupportWindow.h"
#include "ui/html/HtmlWindow.h"
#include "ui/live/LivePane.h"
#include "ui/live/LiveSource.h"
#include "ui/main/AppletsList.h"
#include "ui/main/AutoSave.h"
#include "ui/main/ChooseAppletMenu.h"
#include "ui/main/EditMenu.h"
#include "ui/main/Explorer.h"
#include "ui/main/PinnedLayout.h"
#include "ui/main/WindowPlacement.h"
#include "ui/options/OptionsDialog.h"
#include "ui/page/ParameterPage.h"
#include "ui/richtext/PaletteColors.h"
#include "ui/richtext/RtfReader.h"
#include "ui/wav2au/Wav2AuCommand.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QStackedWidget>
#include <QTextEdit>
#include <QToolButton>

namespace morvane::ui {

using namespace Qt::StringLiterals;

namespace {

// The usual client-area geometry, for an explorer 209 pixels wide. When the desktop font needs
// a wider explorer to show its texts whole, everything to its right moves over by the
// difference. A wider window gives its room to the views; the buttons below them keep their
// distance from the views' left edge, the help icon from their right edge.
constexpr QRect kExplorerRect{0, 0, 209, 417};
constexpr QRect kViewsRect{216, 0, 449, 369};
constexpr QRect kPreviewButtonRect{288, 384, 105, 33};
constexpr QRect kHtmlButtonRect{432, 384, 81, 33};
constexpr QRect kMainHelpIconRect{613, 408, 12, 12};
constexpr QSize kClientSize{674, 422};
constexpr int kMinimumViewsHeight = 160;

const QString kQuitWithoutSaving =
    u"\n\nQuit anyway? The settings that could not be saved will be lost."_s;

const QString kMainHelpText =
    u"This is the main screen of Morvane. Click 'Applets' on the explorer on the left to view the "
    "applets list. Next, double click on the applet name you want and fill out the parameters. "
    "Then click 'Show preview' to view a preview in the default browser. When the applet "
    "configuration is ready, click on 'HTML' to get the HTML code and copy the needed files."_s;

QAction* addItem(QMenu* menu, const QString& text, const QString& name)
{
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    return action;
}

// Unserved, the page still opens from the disk; the user is told why its applets may miss
// their files.
void openServed(const platform::Services& services, QWidget* parent,
                const platform::PreviewServer::Site& site, const QString& servedPath,
                const QString& page)
{
    const Outcome<QString> address = services.preview.addressOf(site, servedPath);
    if (address) {
        services.shell.openUrl(address.value());
        return;
    }
    services.messages.showInformation(
        parent, address.message() +
                    u" The page opens from the disk, where its applets cannot read their "
                    u"pictures' pixels, sounds and data files."_s);
    const QFileInfo file(page);
    services.shell.openFile(file.fileName(), file.path());
}

} // namespace

MainWindow::MainWindow(const QString& appDir, platform::Services services, QWidget* parent)
    : QMainWindow(parent)
    , m_appDir(appDir)
    , m_services(services)
    , m_state(appDir, m_copy)
    , m_runDialog([](QDialog& dialog) { return dialog.exec(); })
{
    setObjectName(u"mainWindow"_s);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    m_options.destinationFolder = settings::defaultDestinationFolder();

    auto* client = new QWidget(this);
    setCentralWidget(client);

    {
        // The lists go on with an empty profile when it cannot be read; the options' load, right
        // after, tells the user why.
        Outcome<settings::Profile> read =
            settings::Profile::load(settings::profilePath(appDir), appDir);
        if (!read) {
            qWarning().noquote() << read.message();
        }
        const settings::Profile profile = std::move(read).valueOr(settings::Profile());
        m_explorer = new Explorer(profile, client);
        m_appletsList = new AppletsList(profile, client);
    }
    connect(m_explorer, &Explorer::nodePressed, this, &MainWindow::explorerPressed);
    connect(m_appletsList, &AppletsList::kindActivated, this, &MainWindow::appletsListActivated);
    connect(m_appletsList, &AppletsList::viewSampleRequested, this, &MainWindow::openSamplePage);
    auto* find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, this, [this] {
        showAppletsList();
        m_appletsList->focusSearch();
    });

    m_helpPane = new QTextEdit(client);
    m_helpPane->setObjectName(u"helpPane"_s);
    m_helpPane->setReadOnly(true);
    m_helpPane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    m_views = new QStackedWidget(client);
    m_views->setObjectName(u"views"_s);
    // Narrower, the page's sections would be cut; shorter, the views scroll.
    m_views->setMinimumSize(kViewsRect.width(), kMinimumViewsHeight);
    m_views->addWidget(m_appletsList);
    m_views->addWidget(m_helpPane);

    m_previewButton = new QPushButton(u"Show preview "_s, client);
    m_previewButton->setObjectName(u"previewButton"_s);
    connect(m_previewButton, &QPushButton::clicked, this, &MainWindow::showPreview);
    m_htmlButton = new QPushButton(u"HTML..."_s, client);
    m_htmlButton->setObjectName(u"htmlButton"_s);
    // A click does nothing while the button is disabled, that is away from a kind's page.
    const std::pair<QPushButton*, QKeySequence> buttonKeys[] = {
        {m_previewButton, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)},
        {m_htmlButton, QKeySequence(Qt::CTRL | Qt::Key_Return)},
    };
    for (const auto& [button, keys] : buttonKeys) {
        button->setToolTip(keys.toString(QKeySequence::NativeText));
        connect(new QShortcut(keys, this), &QShortcut::activated, button, &QPushButton::click);
    }
    connect(m_htmlButton, &QPushButton::clicked, this, &MainWindow::showHtml);

    m_mainHelpIcon = new QToolButton(client);
    m_mainHelpIcon->setObjectName(u"mainHelpIcon"_s);
    m_mainHelpIcon->setIcon(QIcon(helpIconPixmap()));
    m_mainHelpIcon->setIconSize(kMainHelpIconRect.size());
    m_mainHelpIcon->setAutoRaise(true);
    m_mainHelpIcon->setStyleSheet(u"QToolButton { border: none; padding: 0; }"_s);
    m_mainHelpIcon->setCursor(Qt::PointingHandCursor);
    m_mainHelpIcon->setAccessibleName(u"Main help"_s);
    connect(m_mainHelpIcon, &QToolButton::clicked, this, &MainWindow::showMainHelp);

    layOut(client);
    buildMenus();
    const EditActions edit = addEditMenu(this);
    m_undo = edit.undo;
    m_redo = edit.redo;
    connect(m_undo, &QAction::triggered, this, &MainWindow::undo);
    connect(m_redo, &QAction::triggered, this, &MainWindow::redo);
    m_live->addViewMenu(this);
    m_autoSave = new AutoSave([this] { return m_state.saveCurrentKind(); },
                              [this](const Result& saved) { report(saved); }, this);
    connect(m_autoSave, &AutoSave::settled, this, &MainWindow::recordStep);
    showAppletsList();
}

MainWindow::~MainWindow() = default;

void MainWindow::layOut(QWidget* client)
{
    const int shift = qMax(0, m_explorer->widthForAllTexts() - kExplorerRect.width());
    m_usualClient = kClientSize + QSize(shift, 0);

    auto* explorerPane = new QWidget(client);
    auto* explorerColumn = new QVBoxLayout(explorerPane);
    explorerColumn->setContentsMargins(0, 0, 0, kClientSize.height() - kExplorerRect.height());
    explorerColumn->addWidget(m_explorer);

    // The buttons' strip, in the views' coordinates.
    const QPoint below(kViewsRect.left(), kViewsRect.bottom() + 1);
    auto* buttons = new QWidget(client);
    auto* pinned = new PinnedLayout(
        QSize(kViewsRect.width(), kClientSize.height() - kViewsRect.height()), buttons);
    pinned->pin(m_previewButton, kPreviewButtonRect.translated(-below), PinnedLayout::Edge::Left);
    pinned->pin(m_htmlButton, kHtmlButtonRect.translated(-below), PinnedLayout::Edge::Left);
    pinned->pin(m_mainHelpIcon, kMainHelpIconRect.translated(-below), PinnedLayout::Edge::Right);

    auto* viewsPane = new QWidget(client);
    auto* viewsColumn = new QVBoxLayout(viewsPane);
    viewsColumn->setContentsMargins(0, 0, 0, 0);
    viewsColumn->setSpacing(0);
    viewsColumn->addWidget(m_views, 1);
    viewsColumn->addWidget(buttons);

    m_splitter = new QSplitter(Qt::Horizontal, client);
    m_splitter->setObjectName(u"splitter"_s);
    m_splitter->setChildrenCollapsible(false);
    m_splitter->setHandleWidth(kViewsRect.left() - kExplorerRect.right() - 1);
    m_splitter->addWidget(explorerPane);
    m_live = new LivePane(viewsPane, m_options, this);
    m_splitter->addWidget(m_live->splitter());
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({kExplorerRect.width() + shift, kViewsRect.width()});

    auto* row = new QHBoxLayout(client);
    row->setContentsMargins(0, 0, kClientSize.width() - kViewsRect.right() - 1, 0);
    row->addWidget(m_splitter);
    resize(m_usualClient.width(), m_usualClient.height() + menuBar()->sizeHint().height());
}

void MainWindow::restorePlacement(const settings::Options& remembered, const QRect& available)
{
    m_live->apply(remembered);
    const QSize menu(0, menuBar()->sizeHint().height());
    const WindowFit fit{m_usualClient + menu + m_live->extent(), minimumSizeHint()};
    setGeometry(fitWindow(geometryOf(remembered.windowGeometry), fit, available, kFrameAllowance));
    const QList<int>& sizes = remembered.splitterSizes;
    if (sizes.size() == 2 && sizes[0] > 0 && sizes[1] > 0) {
        m_splitter->setSizes(sizes);
    }
    if (remembered.windowMaximized) {
        setWindowState(windowState() | Qt::WindowMaximized);
    }
}

void MainWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(u"&File"_s);
    QAction* quit = addItem(file, u"&Quit"_s, u"quit"_s);
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(quit, &QAction::triggered, this, &QWidget::close);

    QMenu* tools = menuBar()->addMenu(u"&Tools"_s);
    connect(addItem(tools, u"&Wav2Au..."_s, u"wav2au"_s), &QAction::triggered, this,
            &MainWindow::convertWav);
    connect(addItem(tools, u"&Options..."_s, u"options"_s), &QAction::triggered, this,
            &MainWindow::showOptions);

    QMenu* samples = menuBar()->addMenu(u"Applets &Samples"_s);
    connect(addItem(samples, u"&All Applets page..."_s, u"allAppletsPage"_s), &QAction::triggered,
            this, &MainWindow::openAllAppletsPage);
    samples->addSeparator();
    m_chooseApplet = new ChooseAppletMenu(samples);
    samples->addMenu(m_chooseApplet);
    connect(m_chooseApplet, &ChooseAppletMenu::kindChosen, this, &MainWindow::openSamplePage);

    buildHelpMenu(menuBar()->addMenu(u"&Help"_s));

    // F10 opens the first menu, as in most desktop programs; Alt alone is the style's.
    connect(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(menuBar()->actions().constFirst()); });
}

void MainWindow::buildHelpMenu(QMenu* menu)
{
    QAction* mainHelp = addItem(menu, u"&Main Help"_s, u"mainHelp"_s);
    mainHelp->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_H), QKeySequence(Qt::Key_F1)});
    connect(mainHelp, &QAction::triggered, this,
            [this] { showHelpWindow(HelpTab::GettingStarted); });
    connect(addItem(menu, u"&Live support..."_s, u"liveSupport"_s), &QAction::triggered, this,
            [this] { m_runDialog(*liveSupportWindow()); });
    connect(addItem(menu, u"&Tutorial"_s, u"tutorial"_s), &QAction::triggered, this,
            [this] { showHelpWindow(HelpTab::Tutorial); });
    menu->addSeparator();
    connect(addItem(menu, u"&About..."_s, u"about"_s), &QAction::triggered, this,
            [this] { m_runDialog(*aboutBox()); });
}

void MainWindow::showHelpWindow(HelpTab tab)
{
    HelpWindow* window = helpWindow();
    window->selectTab(tab);
    m_runDialog(*window);
}

HelpWindow* MainWindow::helpWindow()
{
    if (!m_helpWindow) {
        m_helpWindow = new HelpWindow(m_appDir, m_services, this);
    }
    return m_helpWindow;
}

AboutBox* MainWindow::aboutBox()
{
    if (!m_aboutBox) {
        m_aboutBox = new AboutBox(this);
    }
    return m_aboutBox;
}

LiveSupportWindow* MainWindow::liveSupportWindow()
{
    if (!m_liveSupport) {
        m_liveSupport = new LiveSupportWindow(this);
    }
    return m_liveSupport;
}

ParameterPage* MainWindow::parameterPage()
{
    if (!m_page) {
        m_page = new ParameterPage(PageContext{m_copy, m_services, m_options, m_appDir});
        m_page->setObjectName(u"parameterPage"_s);
        m_views->addWidget(m_page);
        connect(m_page, &ParameterPage::changed, this, [this] {
            m_editPending = true;
            m_autoSave->changed();
            m_live->changed();
            updateEditActions();
        });
    }
    return m_page;
}

HtmlWindow* MainWindow::htmlWindow()
{
    if (!m_htmlWindow) {
        m_htmlWindow = new HtmlWindow(m_services, m_options.destinationFolder, this);
    }
    return m_htmlWindow;
}

OptionsDialog* MainWindow::optionsDialog()
{
    if (!m_optionsDialog) {
        m_optionsDialog = new OptionsDialog(m_options.hotTrack, m_options.runtime,
                                            m_options.markup == settings::Markup::Modern, this);
        connect(m_optionsDialog, &OptionsDialog::confirmed, this,
                [this](bool hotTrack, bool runtime, bool modernMarkup) {
                    m_options.hotTrack = hotTrack;
                    m_options.runtime = runtime;
                    m_options.markup =
                        modernMarkup ? settings::Markup::Modern : settings::Markup::Applet;
                    applyHotTracking(hotTrack);
                    report(settings::saveOptions(m_appDir, m_options));
                });
    }
    return m_optionsDialog;
}

QWidget* MainWindow::helpPane() const
{
    return m_helpPane;
}

QWidget* MainWindow::currentView() const
{
    return m_views->currentWidget();
}

bool MainWindow::report(const Result& result)
{
    if (!result) {
        m_services.messages.showError(this, result.message);
    }
    return result.ok;
}

void MainWindow::enterView(View view, QWidget* widget)
{
    setWindowTitle(captionFor(view, m_state.currentKind()));
    m_previewButton->setEnabled(m_state.actionsEnabled());
    m_htmlButton->setEnabled(m_state.actionsEnabled());
    m_views->setCurrentWidget(widget);
    updateEditActions();
    m_live->changed();
}

void MainWindow::showAppletsList()
{
    if (report(m_state.show(View::AppletsList))) {
        enterView(View::AppletsList, m_appletsList);
    }
}

void MainWindow::showHelpPage(HelpTab page)
{
    if (!report(m_state.show(View::HelpPage))) {
        return;
    }
    enterView(View::HelpPage, m_helpPane);
    const QString path = helpPageFile(m_appDir, page);
    if (const Result loaded = richtext::loadRtfFile(path, m_appDir, m_helpPane->document());
        !loaded) {
        m_services.messages.showError(
            this, loaded.message.isEmpty() ? u"Can't read the file: " % path : loaded.message);
        return;
    }
    richtext::fitColorsToPalette(m_helpPane->document(), m_helpPane->palette());
}

void MainWindow::openKindPage(const QString& kind)
{
    recordStep();
    if (!report(m_state.openKind(kind))) {
        return;
    }
    ParameterPage* page = parameterPage();
    page->loadFromCopy(kind);
    page->scrollToTop();
    page->assemble(kind, m_state.support());
    recordStep();
    enterView(View::KindPage, page);
    if (!m_state.loadNotice().isEmpty()) {
        m_services.messages.showInformation(this, m_state.loadNotice());
    }
}

void MainWindow::explorerPressed(const QString& nodeText, const QString& parentText)
{
    const ExplorerAction action = explorerAction(nodeText, parentText);
    using Type = ExplorerAction::Type;
    switch (action.type) {
    case Type::Nothing:
        break;
    case Type::ShowAppletsList:
        showAppletsList();
        break;
    case Type::ShowHelpPage:
        showHelpPage(action.helpPage);
        break;
    case Type::OpenKind:
        openKindPage(action.kind);
        break;
    case Type::ScrollToSection:
        scrollToSection(action);
        break;
    case Type::OpenHomePage:
        m_services.shell.openUrl(makerHomePage());
        m_explorer->clearSelection();
        m_explorer->setCurrentItem(nullptr);
        break;
    }
}

void MainWindow::scrollToSection(const ExplorerAction& action)
{
    // A section of the current kind also brings its page back into view when another view is
    // shown, so that the press never scrolls something the user cannot see.
    if (action.kind != m_state.currentKind() || m_state.view() != View::KindPage) {
        openKindPage(action.kind);
        if (m_state.currentKind() != action.kind) {
            return;
        }
    }
    if (action.section) {
        parameterPage()->scrollToCommonSection(*action.section);
    } else {
        parameterPage()->scrollToSpecificSection();
    }
}

void MainWindow::appletsListActivated(const QString& kind)
{
    openKindPage(kind);
    m_explorer->appletsNode()->setExpanded(true);
    m_explorer->setFocus();
    m_explorer->setCurrentItem(m_explorer->kindNode(kind));
}

void MainWindow::openSamplePage(const QString& kind)
{
    openSample(catalog::sampleFolder(m_appDir, kind), catalog::samplePageName(kind));
}

void MainWindow::openAllAppletsPage()
{
    openSample(catalog::samplesFolder(m_appDir), u"index.htm"_s);
}

// Served, a sample's applet reads its images' pixels, its sounds and its data files, which a
// page opened from the disk may not.
void MainWindow::openSample(const QString& folder, const QString& fileName)
{
    openServed(m_services, this,
               platform::PreviewServer::Site{catalog::servedSampleFolders(m_appDir), m_appDir},
               catalog::servedSamplePath(m_appDir, QDir(folder).filePath(fileName)),
               QDir(folder).filePath(fileName));
}

std::optional<generator::Generation> MainWindow::generate()
{
    if (m_state.view() != View::KindPage) {
        return std::nullopt;
    }
    Outcome<generator::Generation> generation = generator::generateClosed(
        generator::GenerationInput{m_state.currentKind(), m_copy, m_state.support(), m_appDir,
                                   m_options.runtime, m_options.markup});
    if (!generation) {
        m_services.messages.showError(this, generation.message());
        return std::nullopt;
    }
    return std::move(generation).value();
}

void MainWindow::showHtml()
{
    const std::optional<generator::Generation> generation = generate();
    if (!generation) {
        return;
    }
    HtmlWindow* window = htmlWindow();
    window->setContent(m_appDir, m_state.currentKind(), generation->lines, generation->media);
    m_runDialog(*window);
}

void MainWindow::showPreview()
{
    const std::optional<generator::Generation> generation = generate();
    if (!generation) {
        return;
    }
    const Outcome<QString> page = generator::preparePreview(m_appDir, m_state.currentKind(),
                                                            generation->lines, generation->media);
    if (!report(page.result())) {
        return;
    }
    const QString folder = generator::testFolder(m_appDir);
    openServed(m_services, this, platform::PreviewServer::Site{{folder}, m_appDir}, page.value(),
               QDir(folder).filePath(page.value()));
}

void MainWindow::convertWav()
{
    Wav2AuCommand(m_services, m_options.lastFolder, this).run();
}

void MainWindow::showOptions()
{
    m_runDialog(*optionsDialog());
}

void MainWindow::showMainHelp()
{
    m_services.messages.showInformation(this, kMainHelpText);
}

void MainWindow::bringToFront()
{
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

void MainWindow::recordStep()
{
    if (!m_state.currentKind().isEmpty()) {
        m_history.record(m_state.currentKind(), m_copy);
    }
    m_editPending = false;
    updateEditActions();
}

void MainWindow::updateEditActions()
{
    const QString& kind = m_state.currentKind();
    const bool onPage = m_state.view() == View::KindPage;
    m_undo->setEnabled(onPage && (m_editPending || m_history.canUndo(kind)));
    m_redo->setEnabled(onPage && !m_editPending && m_history.canRedo(kind));
}

void MainWindow::undo()
{
    stepThroughHistory(&KindHistory::undo);
}

void MainWindow::redo()
{
    stepThroughHistory(&KindHistory::redo);
}

void MainWindow::stepThroughHistory(bool (KindHistory::*step)(const QString&,
                                                              settings::WorkingCopy&))
{
    if (m_state.view() != View::KindPage) {
        return;
    }
    m_autoSave->settleNow();
    const QString& kind = m_state.currentKind();
    if ((m_history.*step)(kind, m_copy)) {
        parameterPage()->loadFromCopy(kind);
        m_autoSave->changed();
        m_live->changed();
    }
    updateEditActions();
}

void MainWindow::applyHotTracking(bool on)
{
    m_explorer->setHotTracking(on);
    m_appletsList->setHotTracking(on);
}

void MainWindow::loadOptions()
{
    // Each part that cannot be read falls back to its default alone, and the first failure is
    // told. A save that could not be finished was given up: the options read are the ones now
    // saved.
    const Result finished = settings::finishInterruptedSave(m_appDir);
    const Outcome<settings::Options> read = settings::loadOptions(m_appDir);
    const Outcome<QStringList> colors = settings::loadCustomColors(m_appDir);
    m_options = read.valueOr(settings::defaultOptions());
    m_options.customColors = colors.valueOr(QStringList());
    for (const Result& step : {read.result(), colors.result(), finished}) {
        if (!report(step)) {
            break;
        }
    }
    if (m_optionsDialog) {
        m_optionsDialog->hotTrackBox()->setChecked(m_options.hotTrack);
        m_optionsDialog->runtimeBox()->setChecked(m_options.runtime);
        m_optionsDialog->modernMarkupBox()->setChecked(m_options.markup ==
                                                       settings::Markup::Modern);
    }
    applyHotTracking(m_options.hotTrack);
    m_live->apply(m_options);
}

void MainWindow::runFirstRunStep()
{
    const Outcome<settings::FirstRun> firstRun = settings::runFirstRun(m_appDir);
    if (!report(firstRun.result()) || !firstRun->wasFirstRun) {
        return;
    }
    showHelpPage(HelpTab::GettingStarted);
    m_explorer->selectNodesWithText(helpNodeText);
}

void MainWindow::setLivePreview(const platform::LivePreviewFactory& factory)
{
    m_live->setPreview(factory, [this](const QString& folder) {
        return liveAddress(LiveSource{m_state, m_copy, m_appDir, m_services.preview}, folder);
    });
}

Result MainWindow::closingStep()
{
    // A window never shown has no place of its own to remember.
    if (isVisible()) {
        m_options.windowGeometry = geometryNumbers(normalGeometry());
        m_options.splitterSizes = m_splitter->sizes();
        m_options.windowMaximized = isMaximized();
        m_live->remember(m_options);
    }
    QStringList failures;
    for (const Result& saved :
         {settings::saveOptions(m_appDir, m_options), m_state.saveCurrentKind(),
          settings::saveCustomColors(m_appDir, m_options.customColors)}) {
        if (!saved) {
            failures.append(saved.message);
        }
    }
    return failures.isEmpty() ? Result::success() : Result::failure(failures.join(u'\n'));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // A save that keeps failing (a full disk, a file made read-only) must not keep the window
    // open for ever; the user decides, knowing what is lost.
    const Result saved = closingStep();
    if (saved || m_services.messages.askYesNo(this, saved.message + kQuitWithoutSaving)) {
        event->accept();
    } else {
        event->ignore();
    }
}

} // namespace morvane::ui
