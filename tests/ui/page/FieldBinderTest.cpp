#include "ui/page/FieldBinder.h"
#include "ui/page/ColorSwatch.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace morvane::ui::page {
namespace {

TEST(LineBreaks, BecomeOneBlankEach)
{
    EXPECT_EQ(withLineBreaksAsBlanks(u"a\r\nb\nc\rd"_s), u"a b c d"_s);
    EXPECT_EQ(withLineBreaksAsBlanks(u"\n\n"_s), u"  "_s);
    EXPECT_EQ(withLineBreaksAsBlanks(u"plain"_s), u"plain"_s);
}

class FieldBinderTest : public ::testing::Test {
protected:
    settings::ValueSet values;
    FieldBinder binder{[this]() -> settings::ValueSet& { return values; }};
    QWidget parent;
};

TEST_F(FieldBinderTest, LoadShowsValuesWithoutWritingThemBack)
{
    auto* edit = new QLineEdit(&parent);
    auto* check = new QCheckBox(&parent);
    auto* swatch = new ColorSwatch(&parent);
    binder.bindText(edit, u"Width"_s);
    binder.bindFlag(check, u"Loop"_s);
    binder.bindColor(swatch, u"BackgroundColor"_s);
    values.setText(u"Width"_s, u"120"_s);
    values.setFlag(u"Loop"_s, true);
    values.setColor(u"BackgroundColor"_s, 0x00FF00);
    const settings::ValueSet before = values;

    binder.load();

    EXPECT_EQ(edit->text(), u"120"_s);
    EXPECT_TRUE(check->isChecked());
    EXPECT_EQ(swatch->color(), 0x00FF00u);
    EXPECT_EQ(values, before);
}

TEST_F(FieldBinderTest, PastedLineBreaksAreStoredAsBlanks)
{
    auto* edit = new QLineEdit(&parent);
    auto* combo = new QComboBox(&parent);
    combo->setEditable(true);
    binder.bindText(edit, u"Text"_s);
    binder.bindText(combo, u"Target"_s);

    edit->insert(u"first line\r\nsecond"_s);
    combo->setEditText(u"frame\nname"_s);

    EXPECT_EQ(values.text(u"Text"_s), u"first line second"_s);
    EXPECT_EQ(edit->text(), u"first line second"_s);
    EXPECT_EQ(values.text(u"Target"_s), u"frame name"_s);
}

TEST_F(FieldBinderTest, LongValuesComeBackWhole)
{
    auto* edit = new QLineEdit(&parent);
    binder.bindText(edit, u"Text"_s);
    const QString longText(40000, u'x');
    values.setText(u"Text"_s, longText);
    binder.load();
    EXPECT_EQ(edit->text(), longText);
}

TEST_F(FieldBinderTest, ChoiceSelectsItsButtonAndMinusOneSelectsNone)
{
    auto* group = new QButtonGroup(&parent);
    QList<QRadioButton*> buttons;
    for (int index = 0; index < 3; ++index) {
        buttons.append(new QRadioButton(&parent));
        group->addButton(buttons.last(), index);
    }
    binder.bindChoice(group, u"Radio1Index"_s);

    values.setChoice(u"Radio1Index"_s, 2);
    binder.load();
    EXPECT_TRUE(buttons[2]->isChecked());

    values.setChoice(u"Radio1Index"_s, settings::kNoChoice);
    binder.load();
    EXPECT_EQ(group->checkedButton(), nullptr);

    buttons[1]->click();
    EXPECT_EQ(values.choice(u"Radio1Index"_s), 1);
}

} // namespace
} // namespace morvane::ui::page
