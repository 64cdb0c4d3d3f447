#include "UiTestSupport.h"

#include "catalog/SamplePaths.h"
#include "ui/help/AboutBox.h"
#include "ui/help/HelpWindow.h"
#include "ui/help/LiveSupportWindow.h"
#include "ui/html/HtmlWindow.h"
#include "ui/main/AppletsList.h"
#include "ui/main/ChooseAppletMenu.h"
#include "ui/main/Explorer.h"
#include "ui/options/OptionsDialog.h"
#include "ui/page/ParameterPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QToolButton>

namespace morvane::ui::test {
namespace {

using namespace Qt::StringLiterals;
using platform::FakeShell;

bool buttonsEnabled(MainWindow& w)
{
    auto* preview = w.findChild<QPushButton*>(u"previewButton"_s);
    auto* html = w.findChild<QPushButton*>(u"htmlButton"_s);
    EXPECT_EQ(preview->isEnabled(), html->isEnabled());
    return html->isEnabled();
}

TEST_F(MainWindowTest, StartsOnTheAppletsListWithItsDescriptions)
{
    EXPECT_EQ(window().windowTitle(), u"Morvane 1.5.4: Applets list");
    EXPECT_EQ(window().currentView(), window().appletsList());
    EXPECT_FALSE(buttonsEnabled(window()));
    EXPECT_TRUE(window().state().currentKind().isEmpty());

    AppletsList* list = window().appletsList();
    ASSERT_EQ(list->topLevelItemCount(), 50);
    EXPECT_EQ(list->topLevelItem(0)->text(0), u"ButtonLink");
    EXPECT_EQ(list->topLevelItem(49)->text(0), u"Zoom");
    EXPECT_EQ(list->topLevelItem(49)->text(1), u"Images that zoom in one after the other");
}

TEST_F(MainWindowTest, EveryViewChangeSavesTheCurrentKind)
{
    openKind(u"Zoom"_s);
    EXPECT_EQ(window().windowTitle(), u"Morvane 1.5.4: Zoom configuration");
    EXPECT_TRUE(buttonsEnabled(window()));
    EXPECT_EQ(window().currentView(), window().parameterPage());

    window().workingCopy().common().setText(u"Width"_s, u"111"_s);
    window().showAppletsList();
    EXPECT_EQ(install.setting(u"Zoom"_s, u"Width"_s), u"111");
    EXPECT_FALSE(buttonsEnabled(window()));

    // The kind stays current while another view is shown, so the next change saves it again.
    window().workingCopy().common().setText(u"Width"_s, u"222"_s);
    window().showHelpPage(HelpTab::Faq);
    EXPECT_EQ(window().windowTitle(), u"Morvane 1.5.4: Help");
    EXPECT_EQ(window().currentView(), window().helpPane());
    EXPECT_FALSE(window().helpText()->toPlainText().isEmpty());
    EXPECT_EQ(install.setting(u"Zoom"_s, u"Width"_s), u"222");

    // Opening the same kind again saves first, then loads what was saved.
    window().workingCopy().common().setText(u"Width"_s, u"333"_s);
    openKind(u"Zoom"_s);
    EXPECT_EQ(install.setting(u"Zoom"_s, u"Width"_s), u"333");
    EXPECT_EQ(window().workingCopy().common().text(u"Width"_s), u"333");

    // Another kind's load replaces the common values; the previous kind keeps its own.
    openKind(u"Stars"_s);
    EXPECT_EQ(window().workingCopy().common().text(u"Width"_s),
              install.setting(u"Stars"_s, u"Width"_s));
    EXPECT_EQ(install.setting(u"Zoom"_s, u"Width"_s), u"333");
}

TEST_F(MainWindowTest, AFailedSaveKeepsThePageInView)
{
    openKind(u"Zoom"_s);
    QFile::remove(install.file(u"morvane.ini"_s));
    QDir().mkpath(install.file(u"morvane.ini/blocked"_s));
    window().showAppletsList();
    window().openKindPage(u"Stars"_s);
    EXPECT_EQ(fakes.messages.errors().size(), 2);
    EXPECT_EQ(window().state().currentKind(), u"Zoom");
    EXPECT_EQ(window().currentView(), window().parameterPage());
    EXPECT_EQ(window().windowTitle(), u"Morvane 1.5.4: Zoom configuration");
    EXPECT_TRUE(buttonsEnabled(window()));
}

QStringList& loggedWarnings()
{
    static QStringList warnings;
    return warnings;
}

TEST_F(MainWindowTest, AnUnreadableProfileIsLoggedByTheListsAndToldOnceByTheOptions)
{
    QFile::remove(install.file(u"morvane.ini"_s));
    QDir().mkpath(install.file(u"morvane.ini/blocked"_s));
    loggedWarnings().clear();
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtWarningMsg) {
                loggedWarnings().append(text);
            }
        });
    makeWindow();
    qInstallMessageHandler(previous);
    const QString failure =
        u"Can't read the file: "_s + install.file(u"morvane.ini"_s) + u" (not a regular file)"_s;
    EXPECT_TRUE(loggedWarnings().contains(failure)) << loggedWarnings().join(u'\n').toStdString();
    EXPECT_TRUE(fakes.messages.errors().isEmpty());
    window().loadOptions();
    EXPECT_EQ(fakes.messages.errors(), QStringList{failure});
}

TEST_F(MainWindowTest, AMissingHelpFileIsReportedAfterTheViewChanged)
{
    QFile::remove(install.file(u"help/faq.rtf"_s));
    window().showHelpPage(HelpTab::Faq);
    EXPECT_EQ(window().windowTitle(), u"Morvane 1.5.4: Help");
    ASSERT_EQ(fakes.messages.errors().size(), 1);
    EXPECT_TRUE(fakes.messages.errors().constFirst().contains(u"faq.rtf"_s));
}

TEST_F(MainWindowTest, ExplorerNodesAct)
{
    Explorer* explorer = window().explorer();
    EXPECT_EQ(explorer->topLevelItemCount(), 3);
    EXPECT_EQ(explorer->appletsNode()->childCount(), 50);
    EXPECT_EQ(explorer->helpNode()->child(0)->text(0), u"Guetting Started");

    window().explorerPressed(u"Stars"_s, u"Applets"_s);
    EXPECT_EQ(window().state().currentKind(), u"Stars");
    window().explorerPressed(u"Versions History"_s, u"Help"_s);
    EXPECT_EQ(window().currentView(), window().helpPane());
    window().explorerPressed(u"Applets"_s, QString());
    EXPECT_EQ(window().currentView(), window().appletsList());
    window().explorerPressed(u"Help"_s, QString());
    EXPECT_EQ(window().currentView(), window().helpPane());

    explorer->setCurrentItem(explorer->homePageNode());
    window().explorerPressed(u"Keldrin Software Home Page"_s, QString());
    EXPECT_EQ(fakes.shell.openedUrls(), QStringList{u"https://www.morvane.net/"_s});
    EXPECT_EQ(explorer->currentItem(), nullptr);
    EXPECT_TRUE(explorer->selectedItems().isEmpty());
}

TEST_F(MainWindowTest, KindNodesHoldTheSupportedSections)
{
    auto childTexts = [&](const QString& kind) {
        QStringList texts;
        QTreeWidgetItem* node = window().explorer()->kindNode(kind);
        for (int i = 0; i < node->childCount(); ++i) {
            texts.append(node->child(i)->text(0));
        }
        return texts;
    };
    const QStringList stars = childTexts(u"Stars"_s);
    EXPECT_TRUE(stars.contains(u"Click link"_s));
    EXPECT_EQ(stars.constLast(), u"Specific parameters");
    EXPECT_FALSE(childTexts(u"HexColor"_s).contains(u"Click link"_s));
}

TEST_F(MainWindowTest, ASectionNodeOpensItsKindAndScrolls)
{
    window().show();
    openKind(u"Zoom"_s);
    window().explorerPressed(u"Click link"_s, u"Stars"_s);
    EXPECT_EQ(window().state().currentKind(), u"Stars");
    EXPECT_EQ(window().currentView(), window().parameterPage());
    QScrollBar* bar = window().parameterPage()->verticalScrollBar();
    const int atClickLink = bar->value();
    EXPECT_GT(atClickLink, 0);

    // A section of the current kind only scrolls.
    window().workingCopy().common().setText(u"Width"_s, u"4321"_s);
    window().explorerPressed(u"Dimensions"_s, u"Stars"_s);
    EXPECT_LT(bar->value(), atClickLink);
    EXPECT_EQ(window().workingCopy().common().text(u"Width"_s), u"4321");
    EXPECT_NE(install.setting(u"Stars"_s, u"Width"_s), u"4321");
}

TEST_F(MainWindowTest, HexColorHasNoSpecificSectionToScrollTo)
{
    window().show();
    window().explorerPressed(u"Specific parameters"_s, u"HexColor"_s);
    EXPECT_EQ(window().state().currentKind(), u"HexColor");
    EXPECT_EQ(window().parameterPage()->verticalScrollBar()->value(), 0);
}

TEST_F(MainWindowTest, ChooseAppletShowsThreeColumnsAndOpensSamplePages)
{
    const QList<QList<QAction*>> columns = window().chooseAppletMenu()->columns();
    ASSERT_EQ(columns.size(), 3);
    EXPECT_EQ(columns[0].size(), 23);
    EXPECT_EQ(columns[1].size(), 22);
    EXPECT_EQ(columns[2].size(), 5);
    EXPECT_EQ(columns[0].constFirst()->text(), u"ButtonLink");
    EXPECT_EQ(columns[1].constFirst()->text(), u"IPViewer");
    EXPECT_EQ(columns[2].constFirst()->text(), u"TextStream");

    QAction* imageWhirl = columns[0].constLast();
    ASSERT_EQ(imageWhirl->text(), u"ImageWhirl");
    imageWhirl->trigger();
    ASSERT_EQ(fakes.shell.openedFiles().size(), 1);
    const FakeShell::OpenedFile opened = fakes.shell.openedFiles().constFirst();
    EXPECT_EQ(opened.fileName, u"imagewhirl.htm");
    EXPECT_EQ(QDir(opened.workingFolder).dirName(), u"ImageWhirl");
    EXPECT_EQ(window().currentView(), window().appletsList());
    EXPECT_TRUE(window().state().currentKind().isEmpty());
}

TEST_F(MainWindowTest, AppletsListCommands)
{
    AppletsList* list = window().appletsList();
    list->viewSampleAction()->trigger();
    EXPECT_TRUE(fakes.shell.openedFiles().isEmpty());

    list->setCurrentItem(list->topLevelItem(0));
    list->viewSampleAction()->trigger();
    ASSERT_EQ(fakes.shell.openedFiles().size(), 1);
    EXPECT_EQ(fakes.shell.openedFiles().constFirst().fileName, u"buttonlink.htm");

    window().appletsListActivated(u"Fade"_s);
    EXPECT_EQ(window().state().currentKind(), u"Fade");
    EXPECT_TRUE(window().explorer()->appletsNode()->isExpanded());
    EXPECT_EQ(window().explorer()->currentItem(), window().explorer()->kindNode(u"Fade"_s));

    window().openAllAppletsPage();
    EXPECT_EQ(fakes.shell.openedFiles().constLast().fileName, u"index.htm");
    EXPECT_EQ(QDir(fakes.shell.openedFiles().constLast().workingFolder).dirName(), u"samples");
}

TEST_F(MainWindowTest, HelpMenuOpensTheHelpWindowsAndKeepsTheView)
{
    openKind(u"Stars"_s);
    const auto trigger = [&](const QString& name) {
        window().findChild<QAction*>(name)->trigger();
        return shownDialogs.isEmpty() ? nullptr : shownDialogs.takeLast();
    };
    // The help stays beside the page, not modal, its kind the one open.
    HelpWindow* help = window().helpWindow();
    EXPECT_EQ(trigger(u"mainHelp"_s), nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_FALSE(help->isModal());
    EXPECT_EQ(help->currentTab(), HelpTab::GettingStarted);
    EXPECT_EQ(help->findChild<QComboBox*>(u"kinds"_s)->currentText(), u"Stars"_s);
    help->findChild<QPushButton*>(u"parametersHelpButton"_s)->click();
    EXPECT_EQ(fakes.shell.openedFiles().constLast().fileName,
              catalog::sampleHelpPageName(u"Stars"_s));
    EXPECT_EQ(trigger(u"tutorial"_s), nullptr);
    EXPECT_EQ(help->currentTab(), HelpTab::Tutorial);
    help->close();
    EXPECT_EQ(trigger(u"about"_s), window().aboutBox());
    EXPECT_EQ(trigger(u"liveSupport"_s), window().liveSupportWindow());
    EXPECT_EQ(window().currentView(), window().parameterPage());
    EXPECT_EQ(window().windowTitle(), u"Morvane 1.5.4: Stars configuration");
}

TEST_F(MainWindowTest, MainHelpIconExplainsTheScreen)
{
    window().findChild<QToolButton*>(u"mainHelpIcon"_s)->click();
    ASSERT_EQ(fakes.messages.informations().size(), 1);
    EXPECT_TRUE(fakes.messages.informations().constFirst().startsWith(
        u"This is the main screen of Morvane. Click 'Applets'"_s));
}

TEST_F(MainWindowTest, HtmlListsClassFilesThenMediaAndKeepsThePage)
{
    install.write(u"samples/Stars/Stars.class"_s, "x");
    install.write(u"samples/Stars/AStar.class"_s, "x");
    install.write(u"samples/Stars/Other.CLASS"_s, "x");
    install.write(u"pic.gif"_s, "GIF");
    openKind(u"Stars"_s);
    window().workingCopy().common().setText(u"BackgroundImage"_s, install.file(u"pic.gif"_s));

    window().showHtml();
    ASSERT_EQ(shownDialogs.size(), 1);
    HtmlWindow* html = window().htmlWindow();
    EXPECT_EQ(shownDialogs.constFirst(), html);
    EXPECT_EQ(html->neededFiles(), (QStringList{u"AStar.class"_s, u"Stars.class"_s, u"pic.gif"_s,
                                                u"morvane-applets.js"_s, u"morvane-applets.css"_s,
                                                u"morvane-applets-stars.js"_s}));
    EXPECT_TRUE(html->htmlText().startsWith(
        u"<link rel=\"stylesheet\" href=\"morvane-applets.css\">\n<applet"_s));
    EXPECT_TRUE(html->htmlText().endsWith(
        u"</applet>\n<script src=\"morvane-applets.js\" defer></script>"_s));

    EXPECT_EQ(window().currentView(), window().parameterPage());
    EXPECT_TRUE(buttonsEnabled(window()));
}

TEST_F(MainWindowTest, RuntimeOptionOffLeavesTheCodeWithoutTheScript)
{
    openKind(u"Stars"_s);
    OptionsDialog* options = window().optionsDialog();
    EXPECT_TRUE(options->runtimeBox()->isChecked());
    options->runtimeBox()->setChecked(false);
    options->findChild<QPushButton*>(u"ok"_s)->click();

    window().showHtml();
    HtmlWindow* html = window().htmlWindow();
    EXPECT_TRUE(html->htmlText().endsWith(u"</applet>"_s));
    EXPECT_FALSE(html->neededFiles().contains(u"morvane-applets.js"_s));
}

// The HTML window, the preview and the saved option all follow the box.
TEST_F(MainWindowTest, ModernMarkupOptionWritesTheCustomElementsEverywhere)
{
    openKind(u"Stars"_s);
    OptionsDialog* options = window().optionsDialog();
    EXPECT_FALSE(options->modernMarkupBox()->isChecked());
    options->modernMarkupBox()->setChecked(true);
    options->findChild<QPushButton*>(u"ok"_s)->click();

    window().showHtml();
    const QString text = window().htmlWindow()->htmlText();
    EXPECT_TRUE(text.startsWith(u"<link rel=\"stylesheet\" href=\"morvane-applets.css\">\n"
                                u"<morvane-applet code=\"Stars.class\" width="_s));
    EXPECT_TRUE(text.contains(u"\"></morvane-param>\n"_s));
    EXPECT_FALSE(text.contains(u"<applet"_s) || text.contains(u"<param"_s));
    EXPECT_TRUE(
        text.endsWith(u"</morvane-applet>\n<script src=\"morvane-applets.js\" defer></script>"_s));

    window().showPreview();
    const QStringList pages = install.filesIn(u"test"_s).filter(u".htm"_s);
    ASSERT_EQ(pages.size(), 1);
    const QString page = install.read(u"test/"_s + pages.first());
    EXPECT_TRUE(page.contains(text.section(u'\n', 0, 0) + u"\r\n"_s)) << page.toStdString();
    EXPECT_TRUE(page.contains(u"\r\n</morvane-applet>\r\n"_s));

    ASSERT_TRUE(window().closingStep());
    EXPECT_EQ(install.setting(u"options"_s, u"markup"_s), u"modern");
}

TEST_F(MainWindowTest, WhoIsVisitorGetsNoClosingTag)
{
    openKind(u"WhoIsVisitor"_s);
    window().showHtml();
    ASSERT_EQ(shownDialogs.size(), 1);
    const QString text = window().htmlWindow()->htmlText();
    EXPECT_FALSE(text.contains(u"</applet>"_s));
    EXPECT_FALSE(text.contains(u"Please activate Java"_s));
}

TEST_F(MainWindowTest, AnInvalidValueIsReportedAndNoWindowShown)
{
    openKind(u"Stars"_s);
    window().workingCopy().common().setText(u"Width"_s, u"wide"_s);
    window().showHtml();
    window().showPreview();
    EXPECT_TRUE(shownDialogs.isEmpty());
    EXPECT_EQ(fakes.messages.errors().size(), 2);
    EXPECT_TRUE(fakes.shell.openedFiles().isEmpty());
    EXPECT_EQ(window().currentView(), window().parameterPage());
}

} // namespace
} // namespace morvane::ui::test
