#include "catalog/KeyTable.h"
#include "catalog/Kinds.h"
#include "ui/page/editors/MenuTreeModel.h"
#include "ui/page/editors/RecordListModel.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace morvane::ui::page {
namespace {

using catalog::ListFileId;
using settings::TreeNode;

TEST(RecordKinds, EveryRecordKindEditsExactlyItsListFiles)
{
    for (const QString& kind : catalog::kindNames()) {
        QSet<QString> lineFiles;
        bool counted = false;
        for (const catalog::ListFileSpec& file : catalog::kindKeys(kind).lists) {
            counted = counted || file.countsItems;
            if (file.form == catalog::ListForm::Lines) {
                lineFiles.insert(file.name());
            }
        }
        const RecordKind* record = findRecordKind(kind);
        ASSERT_EQ(record != nullptr, counted) << kind.toStdString();
        if (!record) {
            continue;
        }
        QSet<QString> columns;
        for (const RecordColumn& column : record->columns) {
            columns.insert(column.name());
            const bool typed = column.entry == Entry::Edit || column.entry == Entry::PathEdit;
            EXPECT_EQ(column.emptyMessage != nullptr, typed) << column.name().toStdString();
        }
        EXPECT_EQ(columns, lineFiles) << kind.toStdString();
        for (int shown : record->display) {
            EXPECT_LT(size_t(shown), record->columns.size()) << kind.toStdString();
        }
    }
}

class RecordListModelTest : public ::testing::Test {
protected:
    RecordListModel model(const QString& kind)
    {
        return RecordListModel(copy, kind, *findRecordKind(kind));
    }
    settings::WorkingCopy copy;
};

// Filling the fields one by one, in screen order, gives each message in turn; nothing is added
// until every field is filled.
TEST_F(RecordListModelTest, AddStopsAtTheFirstEmptyFieldWithItsMessage)
{
    struct Case {
        QString kind;
        QStringList messages;
    };
    const QList<Case> cases = {
        {u"CheckBoxLink"_s,
         {u"You must specify an associated text"_s, u"You must specify an associated link"_s}},
        {u"ListLink"_s,
         {u"You must specify an associated text"_s, u"You must specify an associated link"_s}},
        {u"LoginBox"_s,
         {u"You must specify an associated login"_s, u"You must specify an associated password"_s,
          u"You must specify an associated link"_s}},
        {u"Navigation"_s,
         {u"You must specify an associated link"_s, u"You must specify an associated image"_s,
          u"You must specify an associated mouse over image"_s}},
        {u"ImageViewer"_s,
         {u"You must specify an associated image"_s,
          u"You must specify an associated image name"_s}},
        {u"SoundPlayer"_s,
         {u"You must specify an associated clip"_s, u"You must specify an associated clip name"_s}},
        {u"Table"_s, {u"You must specify a column number"_s}},
    };
    for (const Case& test : cases) {
        RecordListModel records = model(test.kind);
        const auto& columns = records.columns().columns;
        QStringList values;
        for (const RecordColumn& column : columns) {
            values.append(column.emptyMessage ? QString() : u"0"_s);
        }
        QStringList shown;
        for (size_t column = 0; column < columns.size(); ++column) {
            if (!columns[column].emptyMessage) {
                continue;
            }
            if (const Result added = records.add(values); !added) {
                shown.append(added.message);
            }
            values[qsizetype(column)] = u"v"_s;
        }
        EXPECT_TRUE(records.add(values).ok);
        EXPECT_EQ(shown, test.messages) << test.kind.toStdString();
        EXPECT_EQ(records.rowCount(), 1) << test.kind.toStdString();
    }
}

TEST_F(RecordListModelTest, RemoveKeepsEveryColumnAligned)
{
    RecordListModel records = model(u"Navigation"_s);
    for (const QString& n : {u"1"_s, u"2"_s, u"3"_s, u"4"_s}) {
        ASSERT_TRUE(records.add({u"link"_s + n, u"image"_s + n, u"over"_s + n}).ok);
    }

    EXPECT_TRUE(records.remove(1));
    EXPECT_FALSE(records.remove(3));
    EXPECT_FALSE(records.remove(-1));

    EXPECT_EQ(copy.list(ListFileId::NavigationLinks),
              (QStringList{u"link1"_s, u"link3"_s, u"link4"_s}));
    EXPECT_EQ(copy.list(ListFileId::NavigationImages),
              (QStringList{u"image1"_s, u"image3"_s, u"image4"_s}));
    EXPECT_EQ(copy.list(ListFileId::NavigationFocusedImages),
              (QStringList{u"over1"_s, u"over3"_s, u"over4"_s}));
    EXPECT_EQ(records.displayLines().at(1), u"link3 - image3 - over3"_s);
    EXPECT_EQ(records.row(1), (QStringList{u"link3"_s, u"image3"_s, u"over3"_s}));
}

TEST_F(RecordListModelTest, AddedRecordLinesUpWhateverTheFilesHeld)
{
    // A hand-edited file: a link without text and a text broken over two lines.
    copy.list(ListFileId::ListLinkTexts) = {u"Home"_s};
    copy.list(ListFileId::ListLinkLinks) = {u"index.html"_s, u"orphan.html"_s};
    RecordListModel records = model(u"ListLink"_s);

    EXPECT_TRUE(records.add({u"News\r\nof the day"_s, u"news.html"_s}).ok);

    EXPECT_EQ(copy.list(ListFileId::ListLinkTexts), (QStringList{u"Home"_s, u"News of the day"_s}));
    EXPECT_EQ(copy.list(ListFileId::ListLinkLinks), (QStringList{u"index.html"_s, u"news.html"_s}));
}

class MenuTreeModelTest : public ::testing::Test {
protected:
    settings::WorkingCopy copy;
    MenuTreeModel menu{copy, ListFileId::MenuFrameTree};
};

TEST_F(MenuTreeModelTest, SplitIsAtTheFirstHashDroppingOneCharacterEachSide)
{
    const auto split = [](const QString& text) {
        const MenuEntry entry = MenuTreeModel::splitNodeText(text);
        return QStringList{entry.text, entry.link};
    };
    EXPECT_EQ(split(u"Home #index.html"_s), (QStringList{u"Home"_s, u"ndex.html"_s}));
    EXPECT_EQ(split(u"Home# index.html"_s), (QStringList{u"Hom"_s, u"index.html"_s}));
    EXPECT_EQ(split(u"C# # page.html"_s), (QStringList{QString(), u"# page.html"_s}));
    EXPECT_EQ(split(u"#"_s), (QStringList{QString(), QString()}));
}

TEST_F(MenuTreeModelTest, RootIsNeitherRemovedNorSplit)
{
    EXPECT_FALSE(menu.remove({0}));
    EXPECT_FALSE(menu.remove({}));
    EXPECT_FALSE(menu.entryOf({0}));
    EXPECT_FALSE(menu.entryOf({}));
    EXPECT_EQ(copy.tree(ListFileId::MenuFrameTree), settings::MenuTree::withRoot());
}

TEST_F(MenuTreeModelTest, ItemsGoUnderTheSelectedNodeAndLeaveWithTheirDescendants)
{
    menu.add({}, u"Products"_s, QString());
    const NodePath tools = menu.add({0, 0}, u"Tools"_s, u"tools.html"_s).value();
    EXPECT_EQ(tools, (NodePath{0, 0, 0}));
    menu.add(tools, u"Saws"_s, QString());
    menu.add({}, u"Contact"_s, QString());
    // A selection that no longer exists falls back to the root.
    EXPECT_EQ(menu.add({0, 7}, u"-"_s, QString()).value(), (NodePath{0, 2}));

    EXPECT_TRUE(menu.remove({0, 0}));
    EXPECT_EQ(settings::treeLines(copy.tree(ListFileId::MenuFrameTree)),
              (QStringList{u"Root"_s, u"\tContact"_s, u"\t-"_s}));
}

TEST_F(MenuTreeModelTest, TextsThatWouldNotReadBackAreRefusedOrCleaned)
{
    EXPECT_EQ(menu.add({}, QString(), u"a.html"_s).message(), u"You must specify a text"_s);
    EXPECT_EQ(menu.add({}, u" \t "_s, QString()).message(), u"You must specify a text"_s);
    const NodePath item = menu.add({}, u"  Home\nPage"_s, u"home\r\n.html"_s).value();
    EXPECT_EQ(menu.node(item)->text, u"Home Page # home .html"_s);

    EXPECT_FALSE(menu.rename(item, u"   "_s));
    EXPECT_TRUE(menu.rename(item, u"\tStart"_s));
    EXPECT_EQ(menu.node(item)->text, u"Start"_s);
    const settings::MenuTree tree = copy.tree(ListFileId::MenuFrameTree);
    EXPECT_EQ(settings::parseTree(settings::treeLines(tree)).tree, tree);
}

TEST_F(MenuTreeModelTest, AddToAnEmptyTreeStartsItsRoot)
{
    copy.tree(ListFileId::MenuFrameTree).topLevel.clear();
    EXPECT_EQ(menu.add({}, u"Home"_s, QString()).value(), (NodePath{0, 0}));
    EXPECT_EQ(settings::treeLines(copy.tree(ListFileId::MenuFrameTree)),
              (QStringList{u"Root"_s, u"\tHome"_s}));
}

} // namespace
} // namespace morvane::ui::page
