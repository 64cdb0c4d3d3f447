#include "UiTestSupport.h"

#include "catalog/KeyTable.h"
#include "ui/page/KindSections.h"
#include "ui/page/ParameterPage.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace morvane::ui::test {
namespace {

using namespace Qt::StringLiterals;

class HistoryTest : public ShownWindowTest {
protected:
    static void press(QKeyCombination keys)
    {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target ? target : QApplication::activeWindow(), keys.key(),
                        keys.keyboardModifiers());
    }
};

// In the current kind's own section: the page keeps the sections of the kinds shown before.
template <typename T> T* onPage(MainWindow& window, const QString& name)
{
    const QString section = page::specificSectionName(window.state().currentKind());
    T* found = window.parameterPage()->findChild<QWidget*>(section)->findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

QLineEdit* widthField(MainWindow& window)
{
    return window.parameterPage()->findChild<QLineEdit*>(u"Width"_s);
}

void click(MainWindow& window, const QString& name)
{
    QTest::mouseClick(onPage<QPushButton>(window, name), Qt::LeftButton);
}

QStringList rows(MainWindow& window)
{
    QStringList lines;
    auto* list = onPage<QListWidget>(window, u"list"_s);
    for (int row = 0; row < list->count(); ++row) {
        lines.append(list->item(row)->text());
    }
    return lines;
}

QStringList treeTexts(MainWindow& window)
{
    QStringList texts;
    auto* tree = onPage<QTreeWidget>(window, u"tree"_s);
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        texts.append((*it)->text(0));
    }
    return texts;
}

// Each edit is one step, whatever it took (a burst of typing is one), shown again by the
// controls on undo and redo; every kind keeps its own history across switches.
struct HistoryCase {
    const char* name;
    const char16_t* kind;
    void (*edit)(MainWindow&);
    QStringList (*shown)(MainWindow&);
};

const HistoryCase kCases[] = {
    {"typed field", u"Zoom",
     [](MainWindow& w) {
         QLineEdit* width = widthField(w);
         width->setFocus();
         width->selectAll();
         QTest::keyClicks(width, u"123"_s);
     },
     [](MainWindow& w) { return QStringList{widthField(w)->text()}; }},
    {"list Add", u"RandomLink",
     [](MainWindow& w) {
         onPage<QLineEdit>(w, u"linkEntry"_s)->setText(u"https://example.com/new"_s);
         click(w, u"add"_s);
     },
     rows},
    {"list Remove", u"ListLink",
     [](MainWindow& w) {
         auto* list = onPage<QListWidget>(w, u"list"_s);
         list->setCurrentRow(0);
         click(w, u"remove"_s);
     },
     rows},
    {"tree Add", u"MenuFrame",
     [](MainWindow& w) {
         onPage<QLineEdit>(w, u"menuText"_s)->setText(u"News"_s);
         click(w, u"add"_s);
     },
     treeTexts},
};

TEST_F(HistoryTest, UndoAndRedoStepThroughEachKindsOwnEdits)
{
    QAction* undo = window().findChild<QAction*>(u"undo"_s);
    QAction* redo = window().findChild<QAction*>(u"redo"_s);
    std::vector<std::pair<QStringList, QStringList>> seen;
    for (const HistoryCase& c : kCases) {
        SCOPED_TRACE(c.name);
        openKind(QString::fromUtf16(c.kind));
        EXPECT_FALSE(undo->isEnabled());
        const QStringList before = c.shown(window());
        c.edit(window());
        const QStringList after = c.shown(window());
        ASSERT_NE(before, after);
        EXPECT_TRUE(undo->isEnabled());

        press(Qt::CTRL | Qt::Key_Z);
        EXPECT_EQ(c.shown(window()), before);
        EXPECT_FALSE(undo->isEnabled());
        EXPECT_TRUE(redo->isEnabled());
        press(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
        EXPECT_EQ(c.shown(window()), after);
        press(Qt::CTRL | Qt::Key_Z);
        press(Qt::CTRL | Qt::Key_Y);
        EXPECT_EQ(c.shown(window()), after);
        EXPECT_FALSE(redo->isEnabled());
        seen.emplace_back(before, after);
    }

    window().showAppletsList();
    EXPECT_FALSE(undo->isEnabled());
    for (size_t index = 0; index < std::size(kCases); ++index) {
        const HistoryCase& c = kCases[index];
        SCOPED_TRACE(c.name);
        openKind(QString::fromUtf16(c.kind));
        EXPECT_EQ(c.shown(window()), seen[index].second);
        undo->trigger();
        EXPECT_EQ(c.shown(window()), seen[index].first);
    }
    // An undo is saved as any edit is.
    ASSERT_TRUE(window().closingStep());
    EXPECT_EQ(install.setting(u"Zoom"_s, u"Width"_s), seen[0].first.constFirst());
}

// The Edit menu says what an undo or a redo would change, a pending edit as a settled one.
TEST_F(HistoryTest, UndoAndRedoNameTheChange)
{
    openKind(u"WaveText"_s);
    const catalog::SettingKey* text = catalog::findSpecificKey(u"WaveText"_s, u"Text"_s);
    ASSERT_NE(text, nullptr);
    const struct {
        const char* field;
        QString name;
    } kRows[] = {
        {"Width", u"Width"_s},
        {"Text", text->labelText().remove(u'&').remove(u':').trimmed()},
    };
    auto* undo = window().findChild<QAction*>(u"undo"_s);
    auto* redo = window().findChild<QAction*>(u"redo"_s);
    for (const auto& row : kRows) {
        SCOPED_TRACE(row.field);
        auto* edit =
            window().parameterPage()->findChild<QLineEdit*>(QString::fromLatin1(row.field));
        ASSERT_NE(edit, nullptr);
        edit->setFocus();
        QTest::keyClicks(edit, u"7"_s);
        EXPECT_EQ(undo->text(), u"&Undo "_s + row.name);
        undo->trigger();
        EXPECT_EQ(redo->text(), u"&Redo "_s + row.name);
        redo->trigger();
        EXPECT_EQ(undo->text(), u"&Undo "_s + row.name);
    }
}

} // namespace
} // namespace morvane::ui::test
