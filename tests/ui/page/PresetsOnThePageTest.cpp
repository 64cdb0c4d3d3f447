#include "ShippedInstallation.h"
#include "TestFiles.h"
#include "generator/FieldRules.h"
#include "generator/Generator.h"
#include "platform/fakes/FakeServices.h"
#include "settings/Presets.h"
#include "settings/SettingsStore.h"
#include "ui/page/ParameterPage.h"
#include "ui/page/PresetBar.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace morvane::ui {
namespace {

class PresetsOnThePage : public ::testing::Test {
protected:
    PresetsOnThePage() { test::stageShippedInstallation(appDir.path()); }

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

// The images these kinds name are not shipped beside their sample pages.
const std::pair<QString, QString> kShippedImage{u"Image"_s, u"images&sounds/chrismas2.jpg"_s};

struct RuleCase {
    const char* rule;
    QString kind;
    QString key;
    QString bad;
    QString enable = {};                  // a box that must be ticked for the rule to apply
    std::pair<QString, QString> fix = {}; // a value of the kind set first, where it ships broken
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
        {"any number", u"ImageExtend"_s, u"TopRightStep"_s, u"3.5"_s, QString(), kShippedImage},
        {"required text", u"ButtonLink"_s, u"ButtonText"_s, QString()},
        {"file", u"ImageConvex"_s, u"Image"_s, u"samples/ImageConvex/none.jpg"_s, QString(),
         kShippedImage},
    };
    for (const RuleCase& row : table) {
        SCOPED_TRACE(row.rule);
        open(row.kind);
        if (!row.enable.isEmpty()) {
            copy.common().setFlag(row.enable, true);
        }
        if (!row.fix.first.isEmpty()) {
            copy.specific(row.kind).setText(row.fix.first, row.fix.second);
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
        EXPECT_TRUE(note->text().startsWith(u"A whole number"_s) ||
                    note->text().contains(u"required"_s) || note->text().contains(u"file"_s))
            << note->text().toStdString();

        field->setText(good);
        EXPECT_TRUE(generate(row.kind).ok());
        EXPECT_FALSE(field->property("invalid").toBool());
        EXPECT_EQ(page.findChild<QLabel*>(row.key + u"Problem"_s), nullptr);
    }
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
