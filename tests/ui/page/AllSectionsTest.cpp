#include "TestFiles.h"
#include "base/ColorRef.h"
#include "catalog/KeyTable.h"
#include "catalog/Kinds.h"
#include "generator/Generator.h"
#include "generator/Html.h"
#include "generator/KindBlocks.h"
#include "platform/fakes/FakeServices.h"
#include "settings/SettingsStore.h"
#include "ui/page/ColorSwatch.h"
#include "ui/page/KindSections.h"
#include "ui/page/ParameterPage.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace morvane::ui {
namespace {

using catalog::ValueForm;
using generator::Rule;
using page::Control;
using page::FieldSpec;

const generator::Step* stepReading(const QString& kind, const QString& key)
{
    for (const generator::Step& step : generator::kindSteps(kind)) {
        if (step.source.key && key == QStringView(step.source.key) && step.rule != Rule::Custom) {
            return &step;
        }
    }
    return nullptr;
}

// The choice the test makes: the last item, unless that is the default.
int chosenIndex(const catalog::SettingKey& key)
{
    const int last = key.choiceCount() - 1;
    return last == key.defaultText().toInt() ? 0 : last;
}

// What a step writes for a value, as its <param> line shows it.
QString written(const generator::Step& step, const QString& text, ColorRef color, int choice)
{
    switch (step.rule) {
    case Rule::File:
    case Rule::FileName:
        return generator::fileNamePart(text);
    case Rule::Color:
        return htmlColor(color);
    case Rule::Choice:
        if (choice == 0) {
            return QString::fromUtf16(step.firstValue);
        }
        return QString::fromUtf16(choice == 1 && step.secondValue ? step.secondValue
                                                                  : step.otherValue);
    case Rule::Index:
        return QString::number(choice);
    case Rule::Flag:
        return QString::fromUtf16(step.firstValue);
    default:
        return text;
    }
}

// One list entry of a kind's list files that the generator accepts.
QString validListEntry(const QString& kind, catalog::ListFileId file)
{
    using catalog::ListFileId;
    if (file == ListFileId::CheckBoxLinkStates) {
        return u"yes"_s;
    }
    if (file == ListFileId::TableColors) {
        return u"255"_s;
    }
    if (file == ListFileId::TableColumns) {
        return u"2"_s;
    }
    for (const generator::Step& step : generator::kindSteps(kind)) {
        if (step.rule == Rule::FileList && step.source.list == file) {
            return u"media/listed.gif"_s;
        }
    }
    return u"entry.html"_s;
}

class AllSections : public ::testing::TestWithParam<QString> {
protected:
    AllSections() { page.show(); }

    void open(const QString& kind)
    {
        page.loadFromCopy(kind);
        page.scrollToTop();
        page.assemble(kind, catalog::Support{});
    }

    QWidget* section(const QString& kind) const
    {
        return page.findChild<QWidget*>(page::specificSectionName(kind));
    }

    // A file under the installation folder, for the fields the generator checks.
    QString media(const QString& relative)
    {
        morvane::test::writeTestFile(QDir(appDir.path()).filePath(relative));
        return relative;
    }

    // A distinct value for every text field, valid for the generator's check of it.
    QString textFor(const QString& kind, const QString& key, int number)
    {
        const generator::Step* step = stepReading(kind, key);
        const Rule rule = step ? step->rule : Rule::PositiveInt;
        switch (rule) {
        case Rule::AnyInt:
            return QString::number(-number);
        case Rule::File:
        case Rule::FileName:
            return media(u"media/"_s + key + QString::number(number) + u".gif"_s);
        case Rule::PositiveInt:
            return QString::number(100 + number);
        default:
            return key + u" value "_s + QString::number(number);
        }
    }

    void type(QLineEdit* edit, const QString& text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    // Fills the control of `key` through its widget and returns the value it should hold.
    void fill(QWidget* panel, const QString& kind, const catalog::SettingKey& key, int number,
              settings::ValueSet& expected)
    {
        QWidget* control = panel->findChild<QWidget*>(key.name());
        ASSERT_NE(control, nullptr) << key.name().toStdString();
        switch (key.form) {
        case ValueForm::Text: {
            const QString text = textFor(kind, key.name(), number);
            if (auto* combo = qobject_cast<QComboBox*>(control)) {
                type(combo->lineEdit(), text);
            } else {
                type(qobject_cast<QLineEdit*>(control), text);
            }
            expected.setText(key.name(), text);
            break;
        }
        case ValueForm::Color: {
            const ColorRef color = 0x010203u * ColorRef(number);
            fakes.colors.setNextAnswer(color);
            QTest::mouseClick(control, Qt::LeftButton);
            expected.setColor(key.name(), color);
            break;
        }
        case ValueForm::Choice: {
            const int index = chosenIndex(key);
            const auto buttons = control->findChildren<QRadioButton*>();
            ASSERT_EQ(buttons.size(), key.choiceCount());
            QTest::mouseClick(buttons[index], Qt::LeftButton);
            expected.setChoice(key.name(), index);
            break;
        }
        case ValueForm::Flag:
            QTest::mouseClick(control, Qt::LeftButton);
            expected.setFlag(key.name(), true);
            break;
        }
    }

    QTemporaryDir appDir;
    settings::WorkingCopy copy;
    settings::Options options;
    platform::FakeServices fakes;
    ParameterPage page{PageContext{copy, fakes.services(), options, appDir.path()}};
};

TEST_P(AllSections, ValuesTypedInTheSectionSurviveSwitchSaveLoadAndReachTheCode)
{
    const QString kind = GetParam();
    open(kind);
    QWidget* panel = section(kind);
    if (kind == u"HexColor") {
        EXPECT_EQ(panel, nullptr);
        EXPECT_TRUE(page.findChild<QLabel*>(u"step3None"_s)->isVisible());
        return;
    }
    ASSERT_NE(panel, nullptr);
    ASSERT_TRUE(panel->isEnabled());

    settings::ValueSet expected;
    int number = 1;
    for (const catalog::SettingKey& key : catalog::kindKeys(kind).keys) {
        fill(panel, kind, key, number++, expected);
    }
    EXPECT_EQ(copy.specific(kind), expected);

    // Another kind's page and back: the section shows the values again.
    const QString other = kind == u"Stars" ? u"Zoom"_s : u"Stars"_s;
    open(other);
    EXPECT_FALSE(panel->isEnabled());
    open(kind);
    for (const catalog::SettingKey& key : catalog::kindKeys(kind).keys) {
        if (key.form != ValueForm::Text) {
            continue;
        }
        QWidget* control = panel->findChild<QWidget*>(key.name());
        const QString shown = qobject_cast<QComboBox*>(control)
                                  ? qobject_cast<QComboBox*>(control)->currentText()
                                  : qobject_cast<QLineEdit*>(control)->text();
        EXPECT_EQ(shown, expected.text(key.name())) << key.name().toStdString();
    }

    copy.common().setText(u"Width"_s, u"400"_s);
    copy.common().setText(u"Height"_s, u"150"_s);
    ASSERT_TRUE(settings::saveKind(appDir.path(), kind, copy).ok);
    settings::WorkingCopy loaded;
    ASSERT_TRUE(settings::loadKind(appDir.path(), kind, loaded).ok());
    EXPECT_EQ(loaded.specific(kind), expected);

    for (const catalog::ListFileSpec& list : catalog::kindKeys(kind).lists) {
        if (list.form == catalog::ListForm::Tree) {
            loaded.tree(list.id) =
                settings::MenuTree{{settings::TreeNode{u"Root"_s, {{u"Home # index.html"_s, {}}}}}};
        } else {
            const QString entry = validListEntry(kind, list.id);
            if (entry.startsWith(u"media/"_s)) {
                media(entry);
            }
            loaded.list(list.id) = QStringList{entry};
        }
    }
    media(u"samples/GuestBook/guestbook.txt"_s);
    const Outcome<generator::Generation> code =
        generator::generateClosed({kind, loaded, catalog::Support{}, appDir.path()});
    ASSERT_TRUE(code.ok()) << code.message().toStdString();

    for (const catalog::SettingKey& key : catalog::kindKeys(kind).keys) {
        const generator::Step* step = stepReading(kind, key.name());
        if (!step || !step->param) {
            continue; // written by the kind's own code, checked by the generator's tests
        }
        const QString value = written(*step, expected.text(key.name()), expected.color(key.name()),
                                      expected.choice(key.name()));
        const QString line = u"<param name=\""_s + QString::fromUtf16(step->param) +
                             u"\" value=\""_s + value + u"\">"_s;
        EXPECT_TRUE(code->lines.contains(line)) << line.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(EveryKind, AllSections, ::testing::ValuesIn(catalog::kindNames()),
                         [](const ::testing::TestParamInfo<QString>& kind) {
                             return kind.param.toStdString();
                         });

} // namespace
} // namespace morvane::ui
