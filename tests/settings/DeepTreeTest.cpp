// A menu tree as deep as a tree file may nest, taken through its whole life on a thread whose
// stack is a fraction of the main thread's: any step that recurses over the levels overflows it.
#include "generator/Generator.h"
#include "settings/MenuTree.h"
#include "settings/SettingsStore.h"
#include "settings/WorkingCopy.h"

#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>

using namespace morvane;
using namespace morvane::settings;
using namespace Qt::StringLiterals;
using catalog::ListFileId;

namespace {

constexpr uint kSmallStack = 256 * 1024;

TreeNode& deepest(MenuTree& tree)
{
    TreeNode* node = &tree.topLevel.front();
    while (!node->children.empty()) {
        node = &node->children.back();
    }
    return *node;
}

TEST(DeepTrees, ATreeAtTheDepthLimitIsParsedCopiedComparedSavedAndGeneratedOnASmallStack)
{
    QTemporaryDir app;
    ASSERT_TRUE(app.isValid());
    QStringList lines;
    for (qsizetype depth = 0; depth <= kMaxTreeDepth; ++depth) {
        lines.append(QString(depth, u'\t') + u"level"_s + QString::number(depth));
    }

    bool ran = false;
    const std::unique_ptr<QThread> thread(QThread::create([&] {
        ParsedTree parsed = parseTree(lines);
        EXPECT_FALSE(parsed.flattened);
        MenuTree& tree = parsed.tree;
        EXPECT_EQ(deepest(tree).text, u"level1000");
        EXPECT_EQ(treeLines(tree), lines);

        MenuTree copy = tree;
        EXPECT_EQ(copy, tree);
        deepest(copy).text = u"changed"_s;
        EXPECT_NE(copy, tree) << "the comparison stops short of the deepest level";
        copy = tree;
        EXPECT_EQ(copy, tree);

        WorkingCopy values;
        values.common().setText(u"Width"_s, u"200"_s);
        values.common().setText(u"Height"_s, u"300"_s);
        values.tree(ListFileId::MenuPopUpTree) = std::move(copy);
        const Outcome<generator::Generation> html =
            generator::generate({u"MenuPopUp"_s, values, catalog::Support::all(), app.path()});
        ASSERT_TRUE(html.ok()) << html.message().toStdString();
        const QString deepestParam =
            u"<param name=\"text"_s + QString(kMaxTreeDepth, u'1') + u"\" value=\"level1000\">"_s;
        EXPECT_TRUE(html->lines.contains(deepestParam));

        EXPECT_TRUE(saveKind(app.path(), u"MenuPopUp"_s, values).ok);
        WorkingCopy reloaded;
        EXPECT_TRUE(loadKind(app.path(), u"MenuPopUp"_s, reloaded).ok());
        EXPECT_EQ(reloaded.tree(ListFileId::MenuPopUpTree), tree);
        ran = true;
    }));
    thread->setStackSize(kSmallStack);
    thread->start();
    thread->wait();
    EXPECT_TRUE(ran) << "the thread did not start";
}

} // namespace
