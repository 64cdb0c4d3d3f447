#include "ShippedInstallation.h"
#include "TestFiles.h"
#include "generator/FieldRules.h"
#include "generator/Generator.h"
#include "platform/fakes/FakeServices.h"
#include "settings/FirstRun.h"
#include "settings/Presets.h"
#include "settings/SettingsStore.h"
#include "ui/page/ParameterPage.h"
#include "ui/page/PresetBar.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace morvane::ui {
namespace {

class PresetsOnThePage : public ::testing::Test {
protected:
    // A fresh installation after its first run, which copies the samples' media beside them.
    PresetsOnThePage()
    {
        test::stageShippedInstallation(appDir.path());
        EXPECT_TRUE(settings::runFirstRun(appDir.path()).ok());
    }

    void open(const QString& kind)
    {
        const Outcome<settings::KindLoad> load = settings::loadKind(appDir.path(), kind, copy);
        ASSERT_TRUE(load.ok());
        support = load->support;
        page.loadFromCopy(kind);
        page.assemble(kind, support);
        page.show();
    }
    QLineEdit* edit(const QString& key) const
    {
        for (QLineEdit* found : page.findChildren<QLineEdit*>(key)) {
            if (found->isEnabled() && found->window() == &page) {
                return found;
            }
        }
        return nullptr;
    }
    Outcome<generator::Generation> generate(const QString& kind) const
    {
        return generator::generate({kind, copy, support, appDir.path()});
    }

    QTemporaryDir appDir;
    QTemporaryDir outside;
    settings::WorkingCopy copy;
    settings::Options options;
    catalog::Support support;
    platform::FakeServices fakes;
    ParameterPage page{PageContext{copy, fakes.services(), options, appDir.path()}};
};

using Choice = std::pair<QString, int>;

struct RuleCase {
    const char* rule;
    QString kind;
    QString key;
    QString bad;
    QString enable = {};             // a box that must be ticked for the rule to apply
    std::vector<Choice> chosen = {}; // the choices under which the rule applies
    Choice away = {};                // a button whose choice lifts the rule
};

// For one value breaking each rule, the field is framed with what it allows and the generator
// fails with the message the field shows; the shipped value puts both right again.
TEST_F(PresetsOnThePage, TheFieldsMarkAndTheGeneratorAgreeOnEveryRule)
{
    const std::vector<RuleCase> table = {
        {"size", u"ListLink"_s, u"Width"_s, u"0"_s},
        {"size when ticked", u"Polygons"_s, u"OnmouseoverTextHeight"_s, u"x"_s,
         u"OnmouseoverTextEnabled"_s},
        {"optional file", u"ListLink"_s, u"BackgroundImage"_s, u"missing.gif"_s},
        {"positive number", u"Polygons"_s, u"Pause"_s, u"-4"_s},
        {"any number", u"ImageExtend"_s, u"TopRightStep"_s, u"3.5"_s},
        {"required text", u"ButtonLink"_s, u"ButtonText"_s, QString()},
        {"file", u"ImageConvex"_s, u"Image"_s, u"samples/ImageConvex/none.jpg"_s},
        {"number under a choice",
         u"Polygons"_s,
         u"Order"_s,
         u"0"_s,
         QString(),
         {{u"Radio6Index"_s, 2}, {u"Radio7Index"_s, 0}},
         {u"Radio6Index"_s, 1}},
        {"required text of a custom step", u"WhoIsVisitor"_s, u"Sender"_s, QString()},
    };
    for (const RuleCase& row : table) {
        SCOPED_TRACE(row.rule);
        open(row.kind);
        if (!row.enable.isEmpty()) {
            copy.common().setFlag(row.enable, true);
        }
        for (const auto& [key, index] : row.chosen) {
            copy.specific(row.kind).setChoice(key, index);
        }
        page.loadFromCopy(row.kind);
        QLineEdit* field = edit(row.key);
        ASSERT_NE(field, nullptr);
        const QString good = field->text();
        ASSERT_TRUE(generate(row.kind).ok());
        EXPECT_FALSE(field->property("invalid").toBool());

        field->setText(row.bad);
        const Outcome<generator::Generation> refused = generate(row.kind);
        ASSERT_FALSE(refused.ok());
        EXPECT_TRUE(field->property("invalid").toBool());
        EXPECT_EQ(field->toolTip(), refused.message());
        auto* note = page.findChild<QLabel*>(row.key + u"Problem"_s);
        ASSERT_NE(note, nullptr);
        EXPECT_TRUE(note->isVisible());
        // Whole, never cut by the section's edge.
        EXPECT_TRUE(note->parentWidget()->rect().contains(note->geometry()))
            << row.key.toStdString();
        EXPECT_TRUE(note->text().startsWith(u"A whole number"_s) ||
                    note->text().contains(u"required"_s) || note->text().contains(u"file"_s))
            << note->text().toStdString();

        if (!row.away.first.isEmpty()) {
            auto* group = page.findChild<QWidget*>(u"ZPanel"_s + row.kind)
                              ->findChild<QWidget*>(row.away.first);
            group->findChildren<QRadioButton*>().at(row.away.second)->click();
            EXPECT_TRUE(generate(row.kind).ok());
            EXPECT_FALSE(field->property("invalid").toBool());
            group->findChildren<QRadioButton*>().at(row.chosen.front().second)->click();
            EXPECT_TRUE(field->property("invalid").toBool());
        }
        field->setText(good);
        EXPECT_TRUE(generate(row.kind).ok());
        EXPECT_FALSE(field->property("invalid").toBool());
        EXPECT_EQ(page.findChild<QLabel*>(row.key + u"Problem"_s), nullptr);
    }
}

struct ListCase {
    const char* rule;
    QString kind;
    QString editor; // the list file the editor goes by
    std::function<void(settings::WorkingCopy&)> breakList;
};

// The same for the lists and menus: the editor's list is framed with what it needs, the
// generator fails with the message it shows, and putting the list back puts both right.
TEST_F(PresetsOnThePage, TheListEditorsMarkAndTheGeneratorAgreeOnEveryListRule)
{
    using catalog::ListFileId;
    const std::vector<ListCase> table = {
        {"file list", u"Zoom"_s, u"ListBox3.txt"_s,
         [](settings::WorkingCopy& values) {
             values.list(ListFileId::ZoomImages).append(u"samples/Zoom/none.gif"_s);
         }},
        {"text list", u"RandomLink"_s, u"ListBox7.txt"_s,
         [](settings::WorkingCopy& values) { values.list(ListFileId::RandomLinkLinks).clear(); }},
        {"record list checked at another of its lists", u"LoginBox"_s, u"LoginList4.txt"_s,
         [](settings::WorkingCopy& values) {
             for (const ListFileId list :
                  {ListFileId::LoginBoxLogins, ListFileId::LoginBoxPasswords,
                   ListFileId::LoginBoxLinks}) {
                 values.list(list).clear();
             }
         }},
        {"menu tree", u"MenuFrame"_s, u"TreeView1.txt"_s,
         [](settings::WorkingCopy& values) {
             values.tree(ListFileId::MenuFrameTree) = settings::MenuTree::withRoot();
         }},
    };
    for (const ListCase& row : table) {
        SCOPED_TRACE(row.rule);
        open(row.kind);
        auto* editor =
            page.findChild<QWidget*>(u"ZPanel"_s + row.kind)->findChild<QWidget*>(row.editor);
        ASSERT_NE(editor, nullptr);
        auto* list = editor->findChild<QAbstractItemView*>();
        ASSERT_TRUE(generate(row.kind).ok());
        EXPECT_FALSE(list->property("invalid").toBool());

        const settings::WorkingCopy good = copy;
        row.breakList(copy);
        page.loadFromCopy(row.kind);
        const Outcome<generator::Generation> refused = generate(row.kind);
        ASSERT_FALSE(refused.ok());
        EXPECT_TRUE(list->property("invalid").toBool());
        EXPECT_EQ(list->toolTip(), refused.message());
        auto* note = page.findChild<QLabel*>(row.editor + u"Problem"_s);
        ASSERT_NE(note, nullptr);
        EXPECT_TRUE(note->isVisible());
        EXPECT_TRUE(note->text().startsWith(u"One or more"_s)) << note->text().toStdString();

        copy = good;
        page.loadFromCopy(row.kind);
        EXPECT_FALSE(list->property("invalid").toBool());
        EXPECT_EQ(page.findChild<QLabel*>(row.editor + u"Problem"_s), nullptr);
    }

    // An entry added in the editor takes the mark away as it is added.
    open(u"RandomLink"_s);
    copy.list(ListFileId::RandomLinkLinks).clear();
    page.loadFromCopy(u"RandomLink"_s);
    auto* editor = page.findChild<QWidget*>(u"ListBox7.txt"_s);
    EXPECT_TRUE(editor->findChild<QAbstractItemView*>()->property("invalid").toBool());
    editor->findChild<QLineEdit*>(u"linkEntry"_s)->setText(u"page.html"_s);
    editor->findChild<QPushButton*>(u"add"_s)->click();
    EXPECT_FALSE(editor->findChild<QAbstractItemView*>()->property("invalid").toBool());
}

// Saving, loading and importing through the bar: each load is one replacement, announced before
// it happens; a hostile import is refused with its message and changes nothing.
TEST_F(PresetsOnThePage, PresetsLoadAndImportAsOneReplacementAndHostileFilesChangeNothing)
{
    open(u"Polygons"_s);
    page::PresetBar* bar = page.presetBar();
    bar->setNamePrompt([](QWidget*, const QString&, const QString&, const QString&) {
        return std::optional<QString>(u"Slow"_s);
    });
    edit(u"Pause"_s)->setText(u"900"_s);
    bar->saveAsPreset();
    EXPECT_EQ(*settings::listPresets(appDir.path(), u"Polygons"_s), QStringList{u"Slow"_s});

    edit(u"Pause"_s)->setText(u"5"_s);
    QSignalSpy replacing(&page, &ParameterPage::aboutToReplace);
    QSignalSpy changed(&page, &ParameterPage::changed);
    page.findChild<QPushButton*>(u"loadPreset"_s)->click();
    EXPECT_EQ(edit(u"Pause"_s)->text(), u"900"_s);
    EXPECT_EQ(copy.specific(u"Polygons"_s).text(u"Pause"_s), u"900"_s);
    EXPECT_EQ(replacing.count(), 1);
    EXPECT_EQ(changed.count(), 1);

    const QString hostile = outside.filePath(u"other.ini"_s);
    ASSERT_TRUE(settings::exportKindFile(appDir.path(), hostile, u"Polygons"_s, copy).ok);
    test::writeTestFile(hostile, test::readTestFile(hostile).replace("Pause=900", "Pause=-1"));
    const settings::WorkingCopy before = copy;
    fakes.files.setNextFileName(hostile);
    bar->importSettings();
    EXPECT_EQ(copy, before);
    ASSERT_EQ(fakes.messages.errors().size(), 1);
    EXPECT_TRUE(fakes.messages.errors().front().contains(u"Pause is not valid"_s));
}

// A field's menu and a section's menu put back the values the kind ships with.
TEST_F(PresetsOnThePage, ResetPutsBackTheShippedValues)
{
    open(u"Polygons"_s);
    edit(u"Pause"_s)->setText(u"77"_s);
    edit(u"Width"_s)->setText(u"5"_s);
    edit(u"Height"_s)->setText(u"6"_s);
    QSignalSpy replacing(&page, &ParameterPage::aboutToReplace);

    const auto choose = [](QWidget* target, const QString& action) {
        Q_EMIT target->customContextMenuRequested(QPoint(2, 2));
        for (QWidget* shown : QApplication::topLevelWidgets()) {
            auto* menu = qobject_cast<QMenu*>(shown);
            QAction* found =
                menu && menu->isVisible() ? menu->findChild<QAction*>(action) : nullptr;
            if (found) {
                found->trigger();
                menu->close();
                return true;
            }
        }
        return false;
    };
    ASSERT_TRUE(choose(edit(u"Pause"_s), u"resetField"_s));
    EXPECT_EQ(edit(u"Pause"_s)->text(), u"30"_s);
    EXPECT_EQ(edit(u"Width"_s)->text(), u"5"_s);
    ASSERT_TRUE(choose(edit(u"Width"_s)->parentWidget(), u"resetSection"_s));
    EXPECT_EQ(copy.common().text(u"Width"_s), u"300"_s);
    EXPECT_EQ(edit(u"Height"_s)->text(), u"200"_s);
    EXPECT_EQ(replacing.count(), 2);
}

} // namespace
} // namespace morvane::ui
