#include "settings/AtomicFile.h"
#include "settings/MenuTree.h"
#include "settings/TextCodec.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace morvane::settings;
using namespace Qt::StringLiterals;

namespace {

TEST(LineFiles, EveryLineEndCountsAndALastLineWithoutEndToo)
{
    EXPECT_EQ(splitLines(u"a\r\nb\rc\nd"_s), (QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s}));
    EXPECT_EQ(splitLines(u"a\r\n\r\n"_s), (QStringList{u"a"_s, u""_s}));
    EXPECT_EQ(splitLines(u"trailing  \r\n"_s), QStringList{u"trailing  "_s});
    EXPECT_TRUE(splitLines(QString()).isEmpty());
    EXPECT_EQ(joinLines({u"a"_s, u"b"_s}), u"a\r\nb\r\n");
    EXPECT_EQ(joinLines({}), u"");
}

TEST(LineFiles, WrittenWithCrLfAndEmptyListGivesEmptyFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"cfg/ListBox4.txt"_s);
    ASSERT_TRUE(writeTextLines(path, {u"x.gif"_s, u"é.jpg"_s}, {{}, true}).ok);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("x.gif\r\n\xc3\xa9.jpg\r\n"));
    file.close();

    ASSERT_TRUE(writeTextLines(path, {}, {}).ok);
    EXPECT_EQ(QFile(path).size(), 0);
}

MenuTree tree(std::vector<TreeNode> nodes)
{
    return MenuTree{std::move(nodes)};
}

TEST(TreeFiles, LevelsFromLeadingTabsAndBlanks)
{
    const MenuTree parsed =
        parseTree({u"\tRoot"_s, // first line is top level whatever its level
                   u"\tHome # index.html"_s, u"\tProducts"_s, u"\t\tTools # tools.html"_s,
                   u" \tBooks"_s, u"\t\t\t\tToo deep"_s, u"Second top"_s})
            .tree;
    const MenuTree expected =
        tree({TreeNode{u"Root"_s,
                       {TreeNode{u"Home # index.html"_s, {}},
                        TreeNode{u"Products"_s,
                                 {TreeNode{u"Tools # tools.html"_s, {}},
                                  TreeNode{u"Books"_s, {TreeNode{u"Too deep"_s, {}}}}}}}},
              TreeNode{u"Second top"_s, {}}});
    EXPECT_EQ(parsed, expected);
}

TEST(TreeFiles, WriteThenReadGivesTheSameTree)
{
    const MenuTree original = tree({TreeNode{
        u"Root"_s,
        {TreeNode{u"A"_s, {TreeNode{u"A1"_s, {TreeNode{u"A11"_s, {}}}}}}, TreeNode{u"B"_s, {}}}}});
    const QStringList lines = treeLines(original);
    EXPECT_EQ(lines, (QStringList{u"Root"_s, u"\tA"_s, u"\t\tA1"_s, u"\t\t\tA11"_s, u"\tB"_s}));
    EXPECT_EQ(parseTree(lines).tree, original);
}

TEST(TreeFiles, LeadingBlankOfANodeTextMovesItDeeper)
{
    const MenuTree parsed = parseTree({u"Root"_s, u"\tA"_s, u"\t B"_s}).tree;
    ASSERT_EQ(parsed.topLevel.front().children.size(), 1u);
    EXPECT_EQ(parsed.topLevel.front().children.front().children.front().text, u"B");
}

} // namespace
