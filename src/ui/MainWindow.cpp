#include "ui/MainWindow.h"

#include "catalog/SamplePaths.h"
#include "catalog/Version.h"
#include "generator/Generator.h"
#include "settings/FirstRun.h"
#include "settings/Profile.h"
#include "settings/SaveJournal.h"
#include "settings/SettingsStore.h"
#include "ui/help/AboutBox.h"
#include "ui/help/HelpWindow.h"
#include "ui/help/LiveSupportWindow.h"
#include "ui/html/HtmlWindow.h"
#include "ui/live/LivePane.h"
#include "ui/live/LiveSource.h"
#include "ui/main/AppletsList.h"
#include "ui/main/AutoSave.h"
#include "ui/main/EditMenu.h"
#include "ui/main/Explorer.h"
#include "ui/main/HelpWindows.h"
#include "ui/main/MainLayout.h"
#include "ui/main/MainMenus.h"
#include "ui/main/ServedPages.h"
#include "ui/options/OptionsDialog.h"
#include "ui/page/ParameterPage.h"
#include "ui/publish/PublishCommand.h"
#include "ui/richtext/PaletteColors.h"
#include "ui/richtext/RtfReader.h"
#include "ui/wav2au/Wav2AuCommand.h"

#include <QCloseEvent>
#include <QDebug>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QTextEdit>
#include <QToolButton>

namespace morvane::ui {

using namespace Qt::StringLiterals;

namespace {

const QString kQuitWithoutSaving =
    u"\n\nQuit anyway? The settings that could not be saved will be lost."_s;

} // namespace

MainWindow::MainWindow(const QString& appDir, platform::Services services, QWidget* parent)
    : QMainWindow(parent)
    , m_appDir(appDir)
    , m_services(services)
    , m_state(appDir, m_copy)
    , m_runDialog([](QDialog& dialog) { return dialog.exec(); })
    , m_helpWindows(appDir, services, this)
{
    setObjectName(u"mainWindow"_s);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint);
    m_options.destinationFolder = settings::defaultDestinationFolder();

    {
        // The lists go on with an empty profile when it cannot be read; the options' load, right
        // after, tells the user why.
        Outcome<settings::Profile> read =
            settings::Profile::load(settings::profilePath(appDir), appDir);
        if (!read) {
            qWarning().noquote() << read.message();
        }
        const settings::Profile profile = std::move(read).valueOr(settings::Profile());
        m_explorer = new Explorer(profile, this);
        m_appletsList = new AppletsList(profile, this);
    }
    connect(m_explorer, &Explorer::nodePressed, this, &MainWindow::explorerPressed);
    connect(m_appletsList, &AppletsList::kindActivated, this, &MainWindow::appletsListActivated);
    connect(m_appletsList, &AppletsList::viewSampleRequested, this, &MainWindow::openSamplePage);
    auto* find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, this, [this] {
        showAppletsList();
        m_appletsList->focusSearch();
    });

    const MainLayout laidOut = layOutMain(this, m_explorer, m_appletsList, m_options);
    m_views = laidOut.views;
    m_helpPane = laidOut.helpPane;
    m_previewButton = laidOut.previewButton;
    m_htmlButton = laidOut.htmlButton;
    connect(m_previewButton, &QPushButton::clicked, this, &MainWindow::showPreview);
    connect(m_htmlButton, &QPushButton::clicked, this, &MainWindow::showHtml);
    connect(laidOut.helpIcon, &QToolButton::clicked, this, &MainWindow::showMainHelp);
    m_live = laidOut.live;
    m_placement = std::make_unique<MainPlacement>(this, laidOut.splitter, m_live, laidOut.measures);
    m_chooseApplet = addMainMenus(*this);
    findChild<QAction*>(u"publish"_s)->setEnabled(m_state.actionsEnabled());
    m_edits = new EditHistory(this);
    connect(m_edits->undoAction(), &QAction::triggered, this, [this] { stepThroughHistory(true); });
    connect(m_edits->redoAction(), &QAction::triggered, this,
            [this] { stepThroughHistory(false); });
    m_live->addViewMenu(this);
    m_autoSave = new AutoSave([this] { return m_state.saveCurrentKind(); },
                              [this](const Result& saved) { report(saved); }, this);
    connect(m_autoSave, &AutoSave::settled, this, &MainWindow::recordStep);
    showAppletsList();
}

MainWindow::~MainWindow() = default;

void MainWindow::restorePlacement(const settings::Options& remembered, const QRect& available)
{
    m_placement->restore(remembered, available);
}

void MainWindow::quit()
{
    close();
}

void MainWindow::showGettingStarted()
{
    showHelpWindow(HelpTab::GettingStarted);
}

void MainWindow::showTutorial()
{
    showHelpWindow(HelpTab::Tutorial);
}

void MainWindow::showLiveSupport()
{
    m_runDialog(*m_helpWindows.liveSupport());
}

void MainWindow::showAbout()
{
    m_runDialog(*m_helpWindows.about());
}

void MainWindow::showHelpWindow(HelpTab tab)
{
    HelpWindow* window = helpWindow();
    window->selectTab(tab);
    window->selectKind(m_state.currentKind());
    window->showBeside(this);
}

ParameterPage* MainWindow::parameterPage()
{
    if (!m_page) {
        m_page = new ParameterPage(PageContext{m_copy, m_services, m_options, m_appDir});
        m_page->setObjectName(u"parameterPage"_s);
        m_views->addWidget(m_page);
        connect(m_page, &ParameterPage::changed, this, [this] {
            m_edits->edited();
            m_autoSave->changed();
            m_live->changed();
            updateEditActions();
        });
        // A preset, an import or a reset is a step of its own, after any edit still pending.
        connect(m_page, &ParameterPage::aboutToReplace, m_autoSave, &AutoSave::settleNow);
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
        m_optionsDialog = new OptionsDialog(m_options, this);
        connect(m_optionsDialog, &OptionsDialog::confirmed, this, [this] {
            applyHotTracking(m_options.hotTrack);
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
    findChild<QAction*>(u"publish"_s)->setEnabled(m_state.actionsEnabled());
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
    keepButtonsLastInTabs(this);
    recordStep();
    enterView(View::KindPage, page);
    m_options.recentKinds = settings::withRecentKind(m_options.recentKinds, kind);
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
    ui::openSamplePage(m_services, this, m_appDir, catalog::sampleFolder(m_appDir, kind),
                       catalog::samplePageName(kind));
}

void MainWindow::openAllAppletsPage()
{
    ui::openSamplePage(m_services, this, m_appDir, catalog::samplesFolder(m_appDir),
                       u"index.htm"_s);
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
    openPreviewPage(m_services, this, m_appDir, m_state.currentKind(), generation->lines,
                    generation->media);
}

void MainWindow::publish()
{
    if (m_state.view() != View::KindPage) {
        return;
    }
    PublishCommand(m_services, m_options.destinationFolder, this)
        .run({m_state.currentKind(), m_copy, m_state.support(), m_appDir, m_options.runtime,
              m_options.markup});
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
    m_services.messages.showInformation(this, HelpWindows::mainHelpText());
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
    m_edits->record(m_state.currentKind(), m_copy);
    updateEditActions();
}

void MainWindow::updateEditActions()
{
    m_edits->update(m_state.view() == View::KindPage, m_state.currentKind(), m_copy);
}

void MainWindow::stepThroughHistory(bool back)
{
    if (m_state.view() != View::KindPage) {
        return;
    }
    m_autoSave->settleNow();
    const QString& kind = m_state.currentKind();
    if (m_edits->step(back, kind, m_copy)) {
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
    const auto source = [this] {
        return LiveSource{m_state, m_copy, m_appDir, m_services.preview};
    };
    m_live->setPreview(
        factory, [source](const QString& folder) { return liveAddress(source(), folder); },
        [source] { return liveAppletSize(source()); },
        [this](const QString& address) { m_services.shell.openUrl(address); });
}

Result MainWindow::closingStep()
{
    // A window never shown has no place of its own to remember.
    if (isVisible()) {
        m_placement->remember(m_options);
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
