#include "UiTestSupport.h"

#include "ui/main/AppletsList.h"
#include "ui/main/Explorer.h"
#include "ui/page/ParameterPage.h"

#include <QTest>

namespace morvane::ui::test {
namespace {

using namespace Qt::StringLiterals;

class MouseTest : public ShownWindowTest {
protected:
    void pressOn(QTreeWidget* tree, QTreeWidgetItem* item)
    {
        tree->scrollToItem(item);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualItemRect(item).center());
    }
};

TEST_F(MouseTest, APressOnAnExplorerNodeActsOnIt)
{
    Explorer* explorer = window().explorer();
    explorer->appletsNode()->setExpanded(true);
    pressOn(explorer, explorer->kindNode(u"Stars"_s));
    EXPECT_EQ(window().state().currentKind(), u"Stars");
    EXPECT_EQ(window().currentView(), window().parameterPage());

    pressOn(explorer, explorer->helpNode());
    EXPECT_EQ(window().currentView(), window().helpPane());
    EXPECT_EQ(explorer->currentItem(), explorer->helpNode());
}

TEST_F(MouseTest, ADoubleClickInTheAppletsListOpensTheKind)
{
    AppletsList* list = window().appletsList();
    QTreeWidgetItem* row = list->topLevelItem(3);
    list->scrollToItem(row);
    const QPoint at = list->visualItemRect(row).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(window().state().currentKind(), row->text(0));
    EXPECT_EQ(window().explorer()->currentItem(), window().explorer()->kindNode(row->text(0)));
}

} // namespace
} // namespace morvane::ui::test
