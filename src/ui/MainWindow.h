#pragma once

#include "base/Result.h"
#include "generator/GenerationContext.h"
#include "platform/LivePreview.h"
#include "platform/Services.h"
#include "settings/Options.h"
#include "settings/WorkingCopy.h"
#include "ui/help/HelpTabs.h"
#include "ui/main/ExplorerActions.h"
#include "ui/main/HelpPages.h"
#include "ui/main/HelpWindows.h"
#include "ui/main/MainState.h"
#include "ui/main/WindowPlacement.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <optional>

class QDialog;
class QPushButton;
class QSplitter;
class QStackedWidget;
class QTextEdit;
class QToolButton;

namespace morvane::ui {

class AboutBox;
class AppletsList;
class AutoSave;
class ChooseAppletMenu;
class EditHistory;
class Explorer;
class HelpWindow;
class HtmlWindow;
class LivePane;
class LiveSupportWindow;
class OptionsDialog;
class ParameterPage;

// The main window: the explorer, the three views of the right-hand area (applets list, help
// page, parameter page), the two action buttons and the menus. Modal windows are shown through
// the dialog runner, which tests replace so that nothing blocks.
class MainWindow final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

public:
    using DialogRunner = std::function<int(QDialog&)>;

    MainWindow(const QString& appDir, platform::Services services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up steps, in this order, after the window is created.
    void loadOptions();
    // Before the window is shown: its remembered size and place, or its usual size in the middle
    // of `available`; always inside `available`, shrunk to it when needed.
    void restorePlacement(const settings::Options& remembered, const QRect& available);
    void runFirstRunStep();
    // Before the window is shown: the live preview pane, made by `factory`; without it there is
    // none.
    void setLivePreview(const platform::LivePreviewFactory& factory);
    // Writes the options, the folders, the current kind and the custom colors, each even when
    // another failed; the failure names what could not be written.
    Result closingStep();

    void showAppletsList();
    void showHelpPage(HelpTab page);
    void openKindPage(const QString& kind);
    void explorerPressed(const QString& nodeText, const QString& parentText);
    void appletsListActivated(const QString& kind);
    void openSamplePage(const QString& kind);
    void openAllAppletsPage();
    void showHtml();
    void showPreview();
    // The current kind's page, needed files and runtime into a folder the user chooses.
    void publish();
    void convertWav();
    // The options are saved at "OK", as at closing: a crash later keeps them.
    void showOptions();
    void showMainHelp();
    void showGettingStarted();
    void showTutorial();
    void showLiveSupport();
    void showAbout();
    void quit();
    // Another start on the same folder asked for this window.
    void bringToFront();

    const MainState& state() const { return m_state; }
    settings::WorkingCopy& workingCopy() { return m_copy; }
    settings::Options& options() { return m_options; }
    Explorer* explorer() const { return m_explorer; }
    AppletsList* appletsList() const { return m_appletsList; }
    ChooseAppletMenu* chooseAppletMenu() const { return m_chooseApplet; }
    // Created when first needed.
    ParameterPage* parameterPage();
    HtmlWindow* htmlWindow();
    HelpWindow* helpWindow() { return m_helpWindows.help(); }
    AboutBox* aboutBox() { return m_helpWindows.about(); }
    LiveSupportWindow* liveSupportWindow() { return m_helpWindows.liveSupport(); }
    OptionsDialog* optionsDialog();
    AutoSave* autoSave() const { return m_autoSave; }
    LivePane* livePane() const { return m_live; }
    QWidget* currentView() const;
    QWidget* helpPane() const;
    QTextEdit* helpText() const { return m_helpPane; }

    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showHelpWindow(HelpTab tab);
    void enterView(View view, QWidget* widget);
    bool report(const Result& result);
    void applyHotTracking(bool on);
    void scrollToSection(const ExplorerAction& action);
    // The current kind's closed applet element; nothing when no kind page is shown, or once the
    // message of a value that failed its check has been shown.
    std::optional<generator::Generation> generate();
    // Makes the current kind's values its newest step of history.
    void recordStep();
    void updateEditActions();
    // Undo (back) or redo over the current kind's history; a pending edit is a step of its own
    // first.
    void stepThroughHistory(bool back);

    QString m_appDir;
    platform::Services m_services;
    settings::WorkingCopy m_copy;
    settings::Options m_options;
    MainState m_state;
    DialogRunner m_runDialog;
    HelpWindows m_helpWindows;

    Explorer* m_explorer = nullptr;
    AppletsList* m_appletsList = nullptr;
    QTextEdit* m_helpPane = nullptr;
    QStackedWidget* m_views = nullptr;
    std::unique_ptr<MainPlacement> m_placement;
    ParameterPage* m_page = nullptr;
    QPushButton* m_previewButton = nullptr;
    QPushButton* m_htmlButton = nullptr;
    ChooseAppletMenu* m_chooseApplet = nullptr;
    HtmlWindow* m_htmlWindow = nullptr;
    OptionsDialog* m_optionsDialog = nullptr;

    AutoSave* m_autoSave = nullptr;
    LivePane* m_live = nullptr;
    EditHistory* m_edits = nullptr;
};

} // namespace morvane::ui
