#include "UiTestSupport.h"

#include "catalog/Kinds.h"
#include "platform/fakes/FakeLivePreview.h"
#include "ui/help/HelpWindow.h"
#include "ui/html/HtmlWindow.h"
#include "ui/live/LivePane.h"
#include "ui/main/AppletsList.h"
#include "ui/main/ChooseAppletMenu.h"
#include "ui/main/Explorer.h"
#include "ui/options/OptionsDialog.h"
#include "ui/page/ParameterPage.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTest>
#include <QTreeWidget>

#include <functional>

namespace morvane::ui::test {
namespace {

using namespace Qt::StringLiterals;

class KeyboardTest : public ShownWindowTest {
protected:
    QStringList visibleKinds() const
    {
        QStringList kinds;
        const AppletsList* list = m_list;
        for (int index = 0; index < list->topLevelItemCount(); ++index) {
            if (!list->topLevelItem(index)->isHidden()) {
                kinds.append(list->topLevelItem(index)->text(0));
            }
        }
        return kinds;
    }

    AppletsList* m_list = window().appletsList();
};

// Enter and Space on the current row open its kind, in the explorer and in the applets list.
TEST_F(KeyboardTest, EnterOrSpaceOnAKindOpensIt)
{
    struct KeyCase {
        Qt::Key key;
        bool inExplorer;
        const char16_t* kind;
    };
    for (const KeyCase& c :
         {KeyCase{Qt::Key_Return, true, u"Stars"}, KeyCase{Qt::Key_Space, true, u"Fade"},
          KeyCase{Qt::Key_Return, false, u"Zoom"}, KeyCase{Qt::Key_Space, false, u"ButtonLink"}}) {
        const QString kind = QString::fromUtf16(c.kind);
        SCOPED_TRACE(kind.toStdString());
        window().showAppletsList();
        QTreeWidget* tree = m_list;
        QTreeWidgetItem* row = m_list->topLevelItem(catalog::kindIndex(kind));
        if (c.inExplorer) {
            tree = window().explorer();
            window().explorer()->appletsNode()->setExpanded(true);
            row = window().explorer()->kindNode(kind);
        }
        tree->setFocus();
        tree->setCurrentItem(row);
        QTest::keyClick(tree, c.key);
        EXPECT_EQ(window().state().currentKind(), kind);
        EXPECT_EQ(window().currentView(), window().parameterPage());
    }
}

TEST_F(KeyboardTest, TheSearchFieldKeepsMatchingKindsAndEnterOpensTheBest)
{
    QLineEdit* search = m_list->searchField();
    EXPECT_EQ(search->placeholderText(), u"Search applets"_s);
    m_list->focusSearch();
    EXPECT_TRUE(search->hasFocus());

    QTest::keyClicks(search, u"starstext2"_s);   // by name, in any case
    EXPECT_TRUE(search->isClearButtonEnabled()); // made with the first letter typed
    EXPECT_EQ(visibleKinds(), QStringList{u"StarsText2"_s});
    search->setText(u"ZOOM IN"_s); // by description
    EXPECT_EQ(visibleKinds(), QStringList{u"Zoom"_s});
    QTest::keyClick(search, Qt::Key_Escape);
    EXPECT_TRUE(search->text().isEmpty());
    EXPECT_EQ(visibleKinds().size(), 50);

    search->setText(u"magnifying"_s);
    EXPECT_EQ(visibleKinds(), (QStringList{u"ImageConvex"_s, u"ImageConvex2"_s}));
    QTest::keyClick(search, Qt::Key_Return);
    EXPECT_EQ(window().state().currentKind(), u"ImageConvex"_s);
    EXPECT_EQ(window().currentView(), window().parameterPage());

    // A typed name opens that kind even when a kind before it mentions the word.
    window().showAppletsList();
    search->setText(u"zoom"_s);
    EXPECT_GT(visibleKinds().size(), 1);
    QTest::keyClick(search, Qt::Key_Return);
    EXPECT_EQ(window().state().currentKind(), u"Zoom"_s);
}

// The kinds' menu is walked like a menu, across its three columns too, and a screen reader
// reads each entry as an item named after its kind.
TEST_F(KeyboardTest, ChooseAppletMenuWalksWithTheArrowsAndEnterOpensTheSample)
{
    ChooseAppletMenu* menu = window().chooseAppletMenu();
    menu->popup(window().mapToGlobal(QPoint(20, 20)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));

    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(menu);
    ASSERT_EQ(face->childCount(), catalog::kKindCount);
    for (int index = 0; index < catalog::kKindCount; ++index) {
        QAccessibleInterface* entry = face->child(index);
        EXPECT_EQ(entry->role(), QAccessible::MenuItem);
        EXPECT_EQ(entry->text(QAccessible::Name), catalog::kindName(index));
        EXPECT_EQ(entry->parent(), face);
        EXPECT_EQ(face->indexOfChild(entry), index);
    }

    const auto focused = [] {
        QWidget* focus = QApplication::focusWidget();
        return focus ? QAccessible::queryAccessibleInterface(focus)->text(QAccessible::Name)
                     : QString();
    };
    EXPECT_EQ(focused(), u"ButtonLink"_s);
    struct Step {
        Qt::Key key;
        const char16_t* reached;
    };
    for (const Step& step : {Step{Qt::Key_Down, u"CheckBoxLink"}, Step{Qt::Key_Right, u"LightOn"},
                             Step{Qt::Key_Right, u"TicTacToe"}, Step{Qt::Key_Down, u"WaveText"},
                             Step{Qt::Key_Right, u"WaveText"}, Step{Qt::Key_Left, u"ListLink"},
                             Step{Qt::Key_Up, u"LightOn"}, Step{Qt::Key_Up, u"IPViewer"},
                             Step{Qt::Key_Up, u"Table"}}) {
        QTest::keyClick(QApplication::focusWidget(), step.key);
        EXPECT_EQ(focused(), QString::fromUtf16(step.reached));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(menu->isVisible());
    ASSERT_EQ(fakes.shell.openedFiles().size(), 1);
    EXPECT_EQ(fakes.shell.openedFiles().constFirst().fileName, u"table.htm"_s);
}

// The standard shortcuts reach what the menus and buttons do; the page's two buttons answer
// only on a kind's page.
TEST_F(KeyboardTest, ShortcutsReachTheirActions)
{
    openKind(u"Stars"_s);
    struct ShortcutCase {
        QKeySequence keys;
        std::function<bool()> reached;
    };
    const ShortcutCase cases[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Return),
         [&] {
             return shownDialogs.size() == 1 && shownDialogs.constLast() == window().htmlWindow();
         }},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P),
         [&] { return fakes.shell.openedFiles().size() == 1; }},
        {QKeySequence(Qt::Key_F1),
         [&] {
             const bool shown = window().helpWindow()->isVisible();
             window().helpWindow()->close();
             QApplication::setActiveWindow(&window());
             return shown;
         }},
        {QKeySequence(Qt::CTRL | Qt::Key_F),
         [&] {
             return window().currentView() == window().appletsList() &&
                    QApplication::focusWidget() == m_list->findChild<QLineEdit*>();
         }},
        {QKeySequence(Qt::CTRL | Qt::Key_Return), [&] { return shownDialogs.size() == 1; }},
        {QKeySequence(Qt::CTRL | Qt::Key_Q), [&] { return !window().isVisible(); }},
    };
    for (const ShortcutCase& c : cases) {
        SCOPED_TRACE(c.keys.toString().toStdString());
        QTest::keySequence(&window(), c.keys);
        EXPECT_TRUE(c.reached());
    }
}

TEST_F(KeyboardTest, F10OpensTheFirstMenu)
{
    QTest::keyClick(&window(), Qt::Key_F10);
    QMenuBar* bar = window().menuBar();
    ASSERT_NE(bar->activeAction(), nullptr);
    EXPECT_EQ(bar->activeAction(), bar->actions().constFirst());
}

// A whole session without the mouse: find and open a kind, change a field, copy its code, come
// back, undo, then find another kind and add a node to its menu tree.
TEST_F(KeyboardTest, AWholeSessionByKeyboardAlone)
{
    const auto focus = [&]() -> QWidget* {
        QWidget* widget = QApplication::focusWidget();
        return widget ? widget : &window();
    };
    // Tab until the control named `name` has the focus; a control Tab never reaches fails.
    const auto tabTo = [&](const QString& name) -> QWidget* {
        for (int step = 0; step < 300 && focus()->objectName() != name; ++step) {
            QTest::keyClick(focus(), Qt::Key_Tab);
        }
        return focus()->objectName() == name ? focus() : nullptr;
    };
    const auto openBySearch = [&](const QString& typed, const QString& kind) {
        QTest::keySequence(focus(), QKeySequence(Qt::CTRL | Qt::Key_F));
        QTest::keyClicks(focus(), typed);
        QTest::keyClick(focus(), Qt::Key_Return);
        return window().state().currentKind() == kind;
    };

    window().runFirstRunStep(); // the samples' pictures, which the code checks
    ASSERT_TRUE(openBySearch(u"wavetext"_s, u"WaveText"_s));
    QWidget* text = tabTo(u"Text"_s);
    ASSERT_NE(text, nullptr);
    const QString shipped = qobject_cast<QLineEdit*>(text)->text();
    QTest::keySequence(text, QKeySequence::SelectAll);
    QTest::keyClicks(text, u"Typed alone"_s);

    QTest::keySequence(focus(), QKeySequence(Qt::CTRL | Qt::Key_Return));
    HtmlWindow* html = window().htmlWindow();
    ASSERT_EQ(shownDialogs.size(), 1) << fakes.messages.errors().join(u'\n').toStdString();
    ASSERT_EQ(shownDialogs.constFirst(), html);
    html->show();
    QApplication::setActiveWindow(html);
    ASSERT_TRUE(QTest::qWaitForWindowActive(html));
    QTest::keySequence(html->findChild<QPlainTextEdit*>(u"html"_s), QKeySequence::Copy);
    EXPECT_TRUE(fakes.clipboard.text().contains(u"Typed alone"_s));
    QTest::keyClick(html, Qt::Key_Escape);
    EXPECT_FALSE(html->isVisible());
    QApplication::setActiveWindow(&window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));

    QTest::keySequence(focus(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(qobject_cast<QLineEdit*>(text)->text(), shipped);

    ASSERT_TRUE(openBySearch(u"menu"_s, u"MenuFrame"_s));
    auto* tree = window().parameterPage()->findChild<QTreeWidget*>(u"tree"_s);
    ASSERT_NE(tree, nullptr);
    const int nodes = tree->topLevelItem(0)->childCount();
    QTest::keyClicks(tabTo(u"menuLink"_s), u"keys.html"_s);
    QTest::keyClicks(tabTo(u"menuText"_s), u"Keys"_s);
    QTest::keyClick(tabTo(u"add"_s), Qt::Key_Space);
    EXPECT_EQ(tree->topLevelItem(0)->childCount(), nodes + 1);
}

// With the pane beside the views, Tab walks the window down and across and never stops in the
// pane: from the search field it reaches the list, so that a kind is found and opened with four
// keys. The page's fields come before the buttons below them.
TEST_F(KeyboardTest, TabWalksEachViewWithoutDeadStops)
{
    window().setLivePreview([](QWidget* parent) {
        auto* pane = new platform::FakeLivePreview(parent);
        pane->setFocusPolicy(Qt::ClickFocus); // as the engine's view
        return pane;
    });
    QTest::keySequence(&window(), QKeySequence::Find);
    QTest::keyClicks(QApplication::focusWidget(), u"magnifying"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), m_list);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(window().state().currentKind().startsWith(u"ImageConvex"_s))
        << window().state().currentKind().toStdString();
    EXPECT_EQ(window().currentView(), window().parameterPage());

    const struct {
        std::function<void()> show;
        QStringList starts;
    } kViews[] = {
        {[&] { window().showAppletsList(); },
         {u"explorer"_s, u"appletsSearch"_s, u"appletsList"_s, u"mainHelpIcon"_s}},
        {[&] { window().showHelpPage(HelpTab::Faq); },
         {u"explorer"_s, u"helpPane"_s, u"mainHelpIcon"_s}},
        {[&] { openKind(u"Stars"_s); }, {u"explorer"_s, u"presetMenu"_s}},
    };
    for (const auto& view : kViews) {
        view.show();
        SCOPED_TRACE(window().windowTitle().toStdString());
        window().explorer()->setFocus();
        QStringList stops;
        for (QWidget* at = window().explorer(); stops.size() < 200;) {
            stops.append(at->objectName());
            EXPECT_TRUE(at->isVisible()) << at->objectName().toStdString();
            EXPECT_FALSE(window().livePane()->splitter()->widget(1)->isAncestorOf(at))
                << at->objectName().toStdString();
            QTest::keyClick(at, Qt::Key_Tab);
            at = QApplication::focusWidget();
            if (at == window().explorer()) {
                break;
            }
        }
        EXPECT_EQ(stops.mid(0, view.starts.size()), view.starts);
        EXPECT_EQ(stops.constLast(), u"mainHelpIcon"_s);
        if (window().currentView() == window().parameterPage()) {
            EXPECT_EQ(stops.mid(stops.size() - 3),
                      (QStringList{u"previewButton"_s, u"htmlButton"_s, u"mainHelpIcon"_s}));
        }
    }
}

// Alt and a letter reach each menu of the HTML window and each box of the options, no letter
// twice in a window.
TEST_F(KeyboardTest, MenusAndOptionBoxesHaveTheirOwnAccessKeys)
{
    const auto key = [](const QString& text) {
        const qsizetype at = text.indexOf(u'&');
        return at >= 0 && at + 1 < text.size() ? text.at(at + 1).toLower() : QChar();
    };
    QStringList html;
    for (const QAction* menu : window().htmlWindow()->findChild<QMenuBar*>()->actions()) {
        html.append(menu->text());
    }
    QStringList options;
    for (const QCheckBox* box : window().optionsDialog()->findChildren<QCheckBox*>()) {
        options.append(box->text());
    }
    for (const QStringList& texts : {html, options}) {
        ASSERT_FALSE(texts.isEmpty());
        QString keys;
        for (const QString& text : texts) {
            EXPECT_TRUE(key(text).isLetterOrNumber()) << text.toStdString();
            EXPECT_FALSE(keys.contains(key(text))) << text.toStdString();
            keys.append(key(text));
        }
    }
}

} // namespace
} // namespace morvane::ui::test
