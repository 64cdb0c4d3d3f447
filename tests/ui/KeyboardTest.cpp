#include "UiTestSupport.h"

#include "catalog/Kinds.h"
#include "ui/main/AppletsList.h"
#include "ui/main/Explorer.h"
#include "ui/page/ParameterPage.h"

#include <QLineEdit>
#include <QTest>

namespace morvane::ui::test {
namespace {

using namespace Qt::StringLiterals;

class KeyboardTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        window().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
    }

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

TEST_F(KeyboardTest, TheSearchFieldKeepsMatchingKindsAndEnterOpensTheFirst)
{
    QLineEdit* search = m_list->searchField();
    EXPECT_EQ(search->placeholderText(), u"Search applets"_s);
    m_list->focusSearch();
    EXPECT_TRUE(search->hasFocus());

    QTest::keyClicks(search, u"starstext2"_s); // by name, in any case
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
}

} // namespace
} // namespace morvane::ui::test
