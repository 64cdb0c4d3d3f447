#include "ListEditorHarness.h"

#include "ui/page/ColorSwatch.h"

#include <QApplication>
#include <QCheckBox>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace morvane::ui::page {
namespace {

using C = Control;

TEST(RecordListEditor, UntickedRecordStoresNoAndItsRowUnticksTheBox)
{
    EditorHarness h;
    h.build({.control = C::RecordList, .key = u"TextList2.txt"}, u"CheckBoxLink"_s);
    auto* text = h.child<QLineEdit>(u"TextList2"_s);
    auto* link = h.child<QLineEdit>(u"LinkList2"_s);
    auto* checked = h.child<QCheckBox>(u"CheckList2"_s);

    h.click(u"add"_s);
    text->setText(u"Search"_s);
    h.click(u"add"_s);
    EXPECT_EQ(h.fakes.messages.errors(), (QStringList{u"You must specify an associated text"_s,
                                                      u"You must specify an associated link"_s}));
    link->setText(u"find.html"_s);
    h.click(u"add"_s);
    checked->setChecked(true);
    text->setText(u"Mail"_s);
    h.click(u"add"_s);

    EXPECT_EQ(h.rows(), (QStringList{u"Search - find.html"_s, u"Mail - find.html"_s}));
    EXPECT_EQ(h.copy.list(u"CheckList2.txt"_s), (QStringList{u"no"_s, u"yes"_s}));
    // The fields keep what was typed; a click on a row brings the row back.
    EXPECT_EQ(text->text(), u"Mail"_s);
    h.clickRow(0);
    EXPECT_EQ(text->text(), u"Search"_s);
    EXPECT_FALSE(checked->isChecked());
    h.clickRow(1);
    EXPECT_TRUE(checked->isChecked());
}

TEST(RecordListEditor, RemoveDeletesTheSelectedRowOnly)
{
    EditorHarness h;
    h.copy.list(u"TextList.txt"_s) = {u"a"_s, u"b"_s, u"c"_s};
    h.copy.list(u"LinkList.txt"_s) = {u"1"_s, u"2"_s, u"3"_s};
    h.build({.control = C::RecordList, .key = u"TextList.txt"}, u"ListLink"_s);

    h.click(u"remove"_s);
    EXPECT_EQ(h.rows().size(), 3);
    h.clickRow(1);
    h.click(u"remove"_s);
    EXPECT_EQ(h.rows(), (QStringList{u"a - 1"_s, u"c - 3"_s}));
    EXPECT_EQ(h.copy.list(u"LinkList.txt"_s), (QStringList{u"1"_s, u"3"_s}));
}

TEST(RecordListEditor, TableColorComesFromTheSwatchAndShowsAsHtmlColor)
{
    EditorHarness h;
    h.build({.control = C::RecordList, .key = u"TextList3.txt"}, u"Table"_s);
    auto* swatch = h.child<ColorSwatch>(u"ColorList3"_s);
    h.fakes.colors.setNextAnswer(0x0000FF);
    QTest::mouseClick(swatch, Qt::LeftButton);
    h.child<QLineEdit>(u"TextList3"_s)->setText(u"3"_s);
    h.click(u"add"_s);
    EXPECT_EQ(h.rows(), QStringList{u"3 - #FF0000"_s});
    EXPECT_EQ(h.copy.list(u"ColorList3.txt"_s), QStringList{u"255"_s});

    swatch->setColor(0);
    h.clickRow(0);
    EXPECT_EQ(swatch->color(), 0x0000FFu);
}

TEST(RecordListEditor, PathColumnsBrowseAndImageViewerRowsIgnoreClicks)
{
    EditorHarness h;
    h.build({.control = C::RecordList, .key = u"ImageViewerNames.txt"}, u"ImageViewer"_s);
    h.fakes.files.setNextFileName(u"/pics/beach.jpg"_s);
    h.click(u"ImageViewerLocationsBrowse"_s);
    auto* location = h.child<QLineEdit>(u"ImageViewerLocations"_s);
    EXPECT_EQ(location->text(), u"/pics/beach.jpg"_s);
    EXPECT_EQ(h.options.lastFolder, u"/pics"_s);
    h.child<QLineEdit>(u"ImageViewerNames"_s)->setText(u"Beach"_s);
    h.click(u"add"_s);
    EXPECT_EQ(h.rows(), QStringList{u"Beach - /pics/beach.jpg"_s});

    location->clear();
    h.clickRow(0);
    EXPECT_EQ(location->text(), QString());
}

TEST(LineListEditor, ImageAddedTwiceIsOneRowAndOtherCaseIsAnother)
{
    EditorHarness h;
    h.build({.control = C::ImageList, .key = u"ListBox4.txt"}, u"CropImages"_s);
    for (const QString& chosen : {u"/img/a.gif"_s, u"/img/a.gif"_s, u"/IMG/a.gif"_s, QString()}) {
        h.fakes.files.setNextFileName(chosen);
        h.click(u"add"_s);
    }
    EXPECT_EQ(h.rows(), (QStringList{u"/img/a.gif"_s, u"/IMG/a.gif"_s}));
    EXPECT_EQ(h.copy.list(u"ListBox4.txt"_s), h.rows());
    EXPECT_EQ(h.options.lastFolder, u"/IMG"_s);
    EXPECT_EQ(h.fakes.files.calls().front().filter, filterFor(FileKind::Images));

    h.clickRow(0);
    h.click(u"remove"_s);
    EXPECT_EQ(h.copy.list(u"ListBox4.txt"_s), QStringList{u"/IMG/a.gif"_s});
}

TEST(LineListEditor, LinkListTakesTheEntryAndGivesARowBack)
{
    EditorHarness h;
    h.build({.control = C::LinkList, .key = u"ListBox7.txt"}, u"RandomLink"_s);
    auto* entry = h.child<QLineEdit>(u"linkEntry"_s);
    h.click(u"add"_s);
    entry->setText(u"a.html"_s);
    h.click(u"add"_s);
    entry->setText(u"b.html"_s);
    h.click(u"add"_s);
    EXPECT_EQ(h.copy.list(u"ListBox7.txt"_s), (QStringList{u"a.html"_s, u"b.html"_s}));
    EXPECT_TRUE(h.fakes.messages.errors().isEmpty());
    h.clickRow(0);
    EXPECT_EQ(entry->text(), u"a.html"_s);
}

TEST(MenuTreeEditor, AddJoinsTheFieldsUnderTheSelectionAndPressSplitsThemBack)
{
    EditorHarness h;
    h.build({.control = C::MenuTree, .key = u"TreeView1.txt"}, u"MenuFrame"_s);
    auto* tree = h.child<QTreeWidget>(u"tree"_s);
    auto* text = h.child<QLineEdit>(u"menuText"_s);
    auto* link = h.child<QLineEdit>(u"menuLink"_s);
    EXPECT_NE(h.child<QLabel>(u"separatorHint"_s), nullptr);

    h.click(u"add"_s);
    EXPECT_EQ(h.fakes.messages.errors(), QStringList{u"You must specify a text"_s});
    text->setText(u"Products"_s);
    h.click(u"add"_s);
    h.pressNode(tree->topLevelItem(0)->child(0));
    text->setText(u"Home"_s);
    link->setText(u"index.html"_s);
    h.click(u"add"_s);
    EXPECT_EQ(h.window.focusWidget(), tree);
    EXPECT_EQ(settings::treeLines(h.copy.tree(u"TreeView1.txt"_s)),
              (QStringList{u"Root"_s, u"\tProducts"_s, u"\t\tHome # index.html"_s}));
    QTreeWidgetItem* home = tree->topLevelItem(0)->child(0)->child(0);
    EXPECT_TRUE(home->parent()->isExpanded());

    h.pressNode(tree->topLevelItem(0)->child(0));
    EXPECT_EQ(text->text(), u"Products"_s);
    EXPECT_EQ(link->text(), QString());
    h.pressNode(home);
    EXPECT_EQ(text->text(), u"Home"_s);
    EXPECT_EQ(link->text(), u"index.html"_s);
    h.pressNode(tree->topLevelItem(0));
    h.click(u"remove"_s);
    EXPECT_EQ(text->text(), u"Home"_s);
    EXPECT_EQ(tree->topLevelItemCount(), 1);

    h.pressNode(tree->topLevelItem(0)->child(0));
    h.click(u"remove"_s);
    EXPECT_EQ(settings::treeLines(h.copy.tree(u"TreeView1.txt"_s)), QStringList{u"Root"_s});
}

TEST(MenuTreeEditor, OnlyThePopupMenuIsEditedInPlace)
{
    EditorHarness h;
    h.copy.tree(u"TreeView1.txt"_s) = settings::parseTree({u"Root"_s, u"\tHome"_s}).tree;
    h.copy.tree(u"TreeView2.txt"_s) = settings::parseTree({u"Root"_s, u"\tHome"_s}).tree;
    h.build({.control = C::MenuTree, .key = u"TreeView1.txt"}, u"MenuFrame"_s);
    auto* frameTree = h.child<QTreeWidget>(u"tree"_s);
    EXPECT_FALSE(frameTree->topLevelItem(0)->child(0)->flags() & Qt::ItemIsEditable);

    h.build({.control = C::MenuTree, .key = u"TreeView2.txt"}, u"MenuPopUp"_s);
    QTreeWidgetItem* item = h.child<QTreeWidget>(u"tree"_s)->topLevelItem(0)->child(0);
    EXPECT_TRUE(item->flags() & Qt::ItemIsEditable);
    item->setText(0, u"Start # go.html"_s);
    EXPECT_EQ(h.copy.tree(u"TreeView2.txt"_s).topLevel[0].children[0].text, u"Start # go.html"_s);
    item->setText(0, u"  "_s);
    EXPECT_EQ(item->text(0), u"Start # go.html"_s);
}

// A load replaces the working copy's lists: the binder's load shows the new ones.
TEST(ListEditors, BinderLoadShowsTheListsAgain)
{
    EditorHarness h;
    h.build({.control = C::ImageList, .key = u"ListBox1.txt"}, u"Fade"_s);
    settings::WorkingCopy loaded;
    loaded.list(u"ListBox1.txt"_s) = {u"x.gif"_s};
    h.copy = loaded;
    h.load();
    EXPECT_EQ(h.rows(), QStringList{u"x.gif"_s});
}

TEST(ListEditors, ControlsHaveAccessibleNamesFromTheirLabels)
{
    EditorHarness h;
    h.build({.control = C::RecordList, .key = u"ImageList3.txt", .label = u"Images and links :"},
            u"Navigation"_s);
    for (QWidget* widget : h.editor->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (widget->focusPolicy() != Qt::NoFocus) {
            EXPECT_FALSE(widget->accessibleName().isEmpty()) << widget->objectName().toStdString();
        }
    }
    EXPECT_EQ(h.child<QListWidget>(u"list"_s)->accessibleName(), u"Images and links :"_s);
    EXPECT_EQ(h.child<QLineEdit>(u"FocusedImageList3"_s)->accessibleName(), u"Mouse over image"_s);
}

// However a row becomes current, a click or the arrow keys, its values come back to the fields.
TEST(ListEditors, ArrowKeysFillTheFieldsAsAClickDoes)
{
    struct Row {
        FieldSpec field;
        const char16_t* kind;
        const char16_t* entry;
    };
    const Row rows[] = {
        {{.control = C::RecordList, .key = u"TextList.txt"}, u"ListLink", u"TextList"},
        {{.control = C::LinkList, .key = u"ListBox7.txt"}, u"RandomLink", u"linkEntry"},
    };
    for (const Row& row : rows) {
        EditorHarness h;
        h.copy.list(QString::fromUtf16(row.field.key)) = {u"a"_s, u"b"_s, u"c"_s};
        h.copy.list(u"LinkList.txt"_s) = {u"1"_s, u"2"_s, u"3"_s};
        h.build(row.field, QString::fromUtf16(row.kind));
        auto* list = h.child<QListWidget>(u"list"_s);
        auto* text = h.child<QLineEdit>(QString::fromUtf16(row.entry));
        h.clickRow(0);
        for (const QString& expected : {u"b"_s, u"c"_s}) {
            QTest::keyClick(list, Qt::Key_Down);
            EXPECT_EQ(text->text(), expected) << QString::fromUtf16(row.kind).toStdString();
        }
        QTest::keyClick(list, Qt::Key_Up);
        EXPECT_EQ(text->text(), u"b"_s) << QString::fromUtf16(row.kind).toStdString();
    }
}

// A file dropped from the file manager ends as the same file chosen with "Add..." or
// "Browse..." does, refusals included; a file the dialog would not offer is not taken.
TEST(ListEditors, ADroppedFileIsTakenAsTheDialogTakesIt)
{
    struct DropCase {
        const char* what;
        FieldSpec field;
        const char16_t* kind;
        const char16_t* target; // the editor itself when empty
        const char16_t* button;
        const char16_t* file;
        bool offered;
    };
    const DropCase cases[] = {
        {"new image",
         {.control = C::ImageList, .key = u"ListBox4.txt"},
         u"CropImages",
         u"",
         u"add",
         u"b.gif",
         true},
        {"image listed already",
         {.control = C::ImageList, .key = u"ListBox4.txt"},
         u"CropImages",
         u"",
         u"add",
         u"a.gif",
         true},
        {"not an image",
         {.control = C::ImageList, .key = u"ListBox4.txt"},
         u"CropImages",
         u"",
         u"add",
         u"a.txt",
         false},
        {"record path",
         {.control = C::RecordList, .key = u"ImageViewerNames.txt"},
         u"ImageViewer",
         u"ImageViewerLocations",
         u"ImageViewerLocationsBrowse",
         u"b.jpg",
         true},
        {"record path, not an image",
         {.control = C::RecordList, .key = u"ImageViewerNames.txt"},
         u"ImageViewer",
         u"ImageViewerLocations",
         u"ImageViewerLocationsBrowse",
         u"b.au",
         false},
    };
    QTemporaryDir folder;
    const QString first = folder.filePath(u"a.gif"_s);
    const auto state = [](const EditorHarness& h, const QString& target) {
        auto* edit = h.child<QLineEdit>(target);
        return QStringList{h.rows().join(u'|'), edit ? edit->text() : QString(),
                           h.fakes.messages.errors().join(u'|'), h.options.lastFolder};
    };
    for (const DropCase& c : cases) {
        SCOPED_TRACE(c.what);
        const QString target = QString::fromUtf16(c.target);
        const QString file = folder.filePath(QString::fromUtf16(c.file));
        for (const QString& path : {first, file}) {
            QFile(path).open(QIODevice::WriteOnly);
        }
        EditorHarness chosen;
        EditorHarness dropped;
        for (EditorHarness* h : {&chosen, &dropped}) {
            h->build(c.field, QString::fromUtf16(c.kind));
            h->fakes.files.setNextFileName(first);
            h->click(QString::fromUtf16(c.button));
        }
        const QStringList before = state(dropped, target);
        chosen.fakes.files.setNextFileName(file);
        chosen.click(QString::fromUtf16(c.button));

        QWidget* onto = target.isEmpty() ? dropped.editor : dropped.child(target);
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file)});
        QDragEnterEvent enter({1, 1}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(onto, &enter);
        EXPECT_EQ(enter.isAccepted(), c.offered);
        if (enter.isAccepted()) {
            QDropEvent drop(QPointF(1, 1), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(onto, &drop);
        }
        EXPECT_EQ(state(dropped, target), c.offered ? state(chosen, target) : before);
        EXPECT_TRUE(dropped.fakes.files.calls().size() == 1) << "a drop opens no dialog";
    }
}

} // namespace
} // namespace morvane::ui::page
