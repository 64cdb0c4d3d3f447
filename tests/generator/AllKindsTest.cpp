#include "TestFiles.h"
#include "catalog/KeyTable.h"
#include "catalog/Kinds.h"
#include "generator/FileProbe.h"
#include "generator/Generator.h"
#include "generator/Html.h"
#include "generator/KindBlocks.h"
#include "generator/KindSteps.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

using namespace morvane;
using namespace morvane::generator;
using namespace Qt::StringLiterals;
using catalog::ListFileId;
using catalog::ValueForm;
using settings::MenuTree;
using settings::TreeNode;

namespace {

// A valid value for every text setting of every kind, by key; the same key means the same
// kind of value in every kind. Values under media/ are files the test creates.
struct TextValue {
    const char16_t* key;
    const char16_t* value;
};

// clang-format off
constexpr TextValue kValidTexts[] = {
    // numbers
    {u"Pause", u"31"}, {u"Pause2", u"1502"}, {u"Step", u"3"}, {u"StripsWidth", u"12"},
    {u"FramesNumber", u"24"}, {u"TextHeight", u"18"}, {u"TextHeightOffset", u"4"},
    {u"TextWidthOffset", u"5"}, {u"HeightOffset", u"6"}, {u"WidthOffset", u"7"},
    {u"TextStep", u"2"}, {u"Amplitude", u"9"}, {u"Ondulation", u"8"}, {u"Border", u"1"},
    {u"RadiusStep", u"13"}, {u"ConvexityStep", u"14"}, {u"Radius", u"40"},
    {u"Convexity", u"15"}, {u"TopLeftCorner", u"10"}, {u"TopRightCorner", u"20"},
    {u"BottomRightCorner", u"30"}, {u"BottomLeftCorner", u"40"}, {u"TopLeftStep", u"-3"},
    {u"TopRightStep", u"0"}, {u"BottomRightStep", u"2"}, {u"BottomLeftStep", u"-1"},
    {u"LightRadius", u"35"}, {u"LightRadiusStep", u"16"}, {u"AngleStep", u"17"},
    {u"SquaresWidth", u"19"}, {u"FrameWidth", u"300"}, {u"FrameHeight", u"150"},
    {u"ColumnNumber", u"4"}, {u"FrameX", u"21"}, {u"FrameY", u"22"}, {u"Order", u"5"},
    {u"OrderMax", u"9"}, {u"TrianglesNumber", u"6"}, {u"NumberMax", u"11"},
    {u"Coefficient", u"23"}, {u"ReplicaNumber", u"25"}, {u"LinearSquares", u"26"},
    {u"AreaStepLimit", u"27"}, {u"AreaStep", u"28"}, {u"WidthShift", u"29"},
    {u"HeightSpace", u"32"}, {u"StarsNumber", u"100"}, {u"StarsMeanStep", u"33"},
    {u"ZoomInStep", u"34"}, {u"ZoomOutStep", u"36"}, {u"LettersZoomStep", u"37"},
    {u"TextZoomStep", u"38"}, {u"LettersInitialHeight", u"39"}, {u"EndLinePause", u"41"},
    {u"WaveAmplitude", u"42"}, {u"PhaseStep", u"43"}, {u"ButtonWidth", u"80"},
    {u"ButtonHeight", u"24"},
    // texts
    {u"ButtonText", u"Go there"}, {u"ButtonLink", u"there.html"}, {u"Text", u"Hello, world"},
    {u"LettersMap", u"ABCDEFGHIJ"}, {u"GraphTitle", u"Sales"}, {u"XAxisLabel", u"Month"},
    {u"YAxisLabel", u"Units"}, {u"XMin", u"-10"}, {u"YMin", u"low"},
    {u"Email", u"book@example.com"}, {u"NameLabel", u"Name"}, {u"EmailLabel", u"Mail"},
    {u"MessageBoxLabel", u"Your words"}, {u"MessageBoxSentLabel", u"Thanks"},
    {u"SendButtonLabel", u"Send"}, {u"NoMessageLabel", u"Nothing yet"},
    {u"PlayLabel", u"Play"}, {u"StopLabel", u"Stop"}, {u"NextLabel", u"Next"},
    {u"PrevLabel", u"Prev"}, {u"Prefix", u"***"}, {u"Label", u"You come from"},
    {u"FrameTitle", u"Members"}, {u"LoginText", u"Login"}, {u"PasswordText", u"Password"},
    {u"WinningLink", u"won.html"}, {u"CustomTitleRow", u"A,B,C"},
    {u"Recipient", u"me@example.com"}, {u"Sender", u"site@example.com"},
    // targets
    {u"ButtonTarget", u"_self"}, {u"CheckBoxLinkTarget", u"_blank"},
    {u"ListLinkTarget", u"_parent"}, {u"LoginBoxTarget", u"_top"},
    {u"MenuFrameTarget", u"menu"}, {u"MenuPopupTarget", u"_self"},
    {u"NavigationTarget", u"_blank"}, {u"PuzzleTarget", u"_top"},
    {u"RandomImageTarget", u"_parent"},
    // files
    {u"Image", u"media/picture.gif"}, {u"DataFile", u"media/data.txt"},
    {u"TurnedOffImage", u"media/back.gif"}, {u"PlayerImage", u"media/cross.gif"},
    {u"ComputerImage", u"media/circle.gif"}, {u"PlayerSound", u"media/player.au"},
    {u"ComputerSound", u"media/computer.au"}, {u"DrawSound", u"media/draw.au"},
    {u"ClickSound", u"media/click.au"},
};

struct ListValue {
    ListFileId file;
    std::initializer_list<const char16_t*> lines;
};

const ListValue kValidLists[] = {
    {ListFileId::CheckBoxLinkTexts, {u"One", u"Two", u"Three"}},
    {ListFileId::CheckBoxLinkLinks, {u"one.html", u"two.html", u"three.html"}},
    {ListFileId::CheckBoxLinkStates, {u"yes", u"no", u"yes"}},
    {ListFileId::CropImagesImages, {u"media/a.gif", u"media/b.gif"}},
    {ListFileId::CropImages2Images, {u"media/a.gif", u"media/b.gif"}},
    {ListFileId::FadeImages, {u"media/a.gif", u"media/b.gif"}},
    {ListFileId::ImageStreamImages, {u"media/a.gif", u"media/b.gif"}},
    {ListFileId::ImageViewerLocations, {u"media/a.gif", u"media/b.gif"}},
    {ListFileId::ImageViewerNames, {u"Sea", u"Hills"}},
    {ListFileId::ListLinkTexts, {u"Home", u"News"}},
    {ListFileId::ListLinkLinks, {u"index.html", u"news.html"}},
    {ListFileId::LoginBoxLogins, {u"ann", u"bob"}},
    {ListFileId::LoginBoxPasswords, {u"secret", u"hidden"}},
    {ListFileId::LoginBoxLinks, {u"ann.html", u"bob.html"}},
    {ListFileId::MemoryImages, {u"media/a.gif", u"media/b.gif", u"media/c.gif"}},
    {ListFileId::NavigationImages, {u"media/a.gif", u"media/b.gif"}},
    {ListFileId::NavigationFocusedImages, {u"media/a2.gif", u"media/b2.gif"}},
    {ListFileId::NavigationLinks, {u"a.html", u"b.html"}},
    {ListFileId::ProtectImages, {u"media/a.gif"}},
    {ListFileId::RandomImageImages, {u"media/a.gif", u"media/c.gif"}},
    {ListFileId::RandomLinkLinks, {u"first.html", u"second.html"}},
    {ListFileId::SoundPlayerLocations, {u"media/one.au", u"media/two.au"}},
    {ListFileId::SoundPlayerNames, {u"First", u"Second"}},
    {ListFileId::TableColumns, {u"2", u"5"}},
    {ListFileId::TableColors, {u"255", u"16711680"}},
    {ListFileId::ZoomImages, {u"media/a.gif", u"media/b.gif"}},
};

// Choices away from a kind's defaults, so the optional parts are written too.
struct ChoiceValue {
    const char16_t* kind;
    const char16_t* key;
    int index;
};
constexpr ChoiceValue kChoices[] = {
    {u"Polygons", u"Radio6Index", 2},
    {u"Polygons", u"Radio8Index", 1},
};

// Text settings that the kind is right not to write with the values above.
struct Unwritten {
    const char16_t* kind;
    const char16_t* key;
};
constexpr Unwritten kUnwritten[] = {
    {u"Polygons", u"OrderMax"},        // the order group is on "Order :"
    {u"Polygons", u"TrianglesNumber"}, // the triangles group is on "Random, from 4 to :"
};
// clang-format on

const TextValue* findText(const QString& key)
{
    for (const TextValue& text : kValidTexts) {
        if (QString::fromUtf16(text.key) == key) {
            return &text;
        }
    }
    return nullptr;
}

MenuTree validMenu()
{
    return MenuTree{{TreeNode{u"Root"_s,
                              {TreeNode{u"Home # index.html"_s, {}},
                               TreeNode{u"Products"_s, {TreeNode{u"Tools # tools.html"_s, {}}}}}}}};
}

QString shown(const QString& value)
{
    return value.startsWith(u"media/"_s) ? fileNamePart(value) : value;
}

class AllKinds : public ::testing::TestWithParam<QString> {
protected:
    AllKinds()
    {
        settings::ValueSet& common = values.common();
        common.setText(u"Width"_s, u"400"_s);
        common.setText(u"Height"_s, u"150"_s);
        common.setText(u"NoJavaMessage"_s, u"Please activate Java..."_s);
        common.setColor(u"BackgroundColor"_s, 0x400000);
        common.setText(u"BackgroundImage"_s, media(u"media/back.gif"_s));
        common.setText(u"StatusbarMessage"_s, u"Welcome"_s);
        common.setText(u"OnloadSound"_s, media(u"media/load.au"_s));
        common.setFlag(u"Loop"_s, true);
        common.setText(u"OnmouseoverSound"_s, media(u"media/enter.au"_s));
        common.setFlag(u"OnmouseoverBackgroundColorEnabled"_s, true);
        common.setColor(u"OnmouseoverBackgroundColor"_s, 0x00FF00);
        common.setFlag(u"OnmouseoverTextEnabled"_s, true);
        common.setText(u"OnmouseoverText"_s, u"Click me"_s);
        common.setText(u"OnmouseoverTextHeight"_s, u"12"_s);
        common.setColor(u"OnmouseoverTextColor"_s, 0xFFFFFF);
        common.setText(u"OnclicSound"_s, media(u"media/clic.au"_s));
        common.setText(u"Link"_s, u"index.html"_s);
        common.setText(u"Target"_s, u"_blank"_s);
        media(u"samples/GuestBook/guestbook.txt"_s);

        for (const QString& kind : catalog::kindNames()) {
            fillKind(kind);
        }
        for (const ListValue& list : kValidLists) {
            QStringList& lines = values.list(list.file);
            for (const char16_t* line : list.lines) {
                lines.append(media(QString::fromUtf16(line)));
            }
        }
        values.tree(ListFileId::MenuFrameTree) = validMenu();
        values.tree(ListFileId::MenuPopUpTree) = validMenu();
    }

    void fillKind(const QString& kind)
    {
        settings::ValueSet& fields = values.specific(kind);
        for (const catalog::SettingKey& key : catalog::kindKeys(kind).keys) {
            switch (key.form) {
            case ValueForm::Text:
                if (const TextValue* text = findText(key.name())) {
                    fields.setText(key.name(), media(QString::fromUtf16(text->value)));
                }
                break;
            case ValueForm::Color:
                fields.setColor(key.name(), 0x336699);
                break;
            case ValueForm::Choice:
                fields.setChoice(key.name(), key.defaultText().toInt());
                break;
            case ValueForm::Flag:
                fields.setFlag(key.name(), true);
                break;
            }
        }
        for (const ChoiceValue& choice : kChoices) {
            if (QString::fromUtf16(choice.kind) == kind) {
                fields.setChoice(QString::fromUtf16(choice.key), choice.index);
            }
        }
    }

    // Creates the file a media/ value names; other values are returned as they are.
    QString media(const QString& value)
    {
        if (value.startsWith(u"media/"_s) || value.startsWith(u"samples/"_s)) {
            morvane::test::writeTestFile(QDir(app.path()).filePath(value));
        }
        return value;
    }

    Outcome<Generation> run(const QString& kind, settings::Markup markup = settings::Markup::Applet)
    {
        return generateClosed({kind, values, catalog::Support::all(), app.path(), false, markup});
    }

    QTemporaryDir app;
    settings::WorkingCopy values;
};

TEST(AllKindsValues, CoverEveryTextSettingAndListFile)
{
    for (const QString& kind : catalog::kindNames()) {
        for (const catalog::SettingKey& key : catalog::kindKeys(kind).keys) {
            if (key.form == ValueForm::Text) {
                EXPECT_NE(findText(key.name()), nullptr)
                    << kind.toStdString() << " " << key.name().toStdString();
            }
        }
    }
    QSet<ListFileId> listed;
    for (const ListValue& list : kValidLists) {
        listed.insert(list.file);
    }
    for (const catalog::ListFileSpec& listFile : catalog::allListFiles()) {
        if (listFile.form == catalog::ListForm::Lines) {
            EXPECT_TRUE(listed.contains(listFile.id)) << listFile.name().toStdString();
        }
    }
}

// What each rule reads: a setting of the kind in one form, or one of the kind's list files.
struct RuleSource {
    Rule rule;
    std::optional<ValueForm> form;
    std::optional<catalog::ListForm> list;
};

constexpr RuleSource kRuleSources[] = {
    {Rule::PositiveInt, ValueForm::Text, {}},
    {Rule::AnyInt, ValueForm::Text, {}},
    {Rule::RequiredText, ValueForm::Text, {}},
    {Rule::OptionalText, ValueForm::Text, {}},
    {Rule::File, ValueForm::Text, {}},
    {Rule::AsTyped, ValueForm::Text, {}},
    {Rule::FileName, ValueForm::Text, {}},
    {Rule::Color, ValueForm::Color, {}},
    {Rule::Choice, ValueForm::Choice, {}},
    {Rule::Index, ValueForm::Choice, {}},
    {Rule::Flag, ValueForm::Flag, {}},
    {Rule::FileList, {}, catalog::ListForm::Lines},
    {Rule::TextList, {}, catalog::ListForm::Lines},
    {Rule::MenuTree, {}, catalog::ListForm::Tree},
};

// A misspelt source, or one of another form, would read an empty value without a word; a
// misspelt guard, or one past the last button, would never let its step run.
TEST(AllKindsSteps, ReadOnlySettingsAndListsOfTheirKindInTheFormTheirRuleNeeds)
{
    for (const QString& kind : catalog::kindNames()) {
        std::vector<Step> steps;
        for (const Step& step : kindSteps(kind)) {
            steps.push_back(step);
            for (const GuardedStep& guarded : step.checks) {
                steps.push_back(guarded.step);
                for (const ChoiceGuard& guard : {guarded.guard, guarded.also}) {
                    if (!guard.key) {
                        continue;
                    }
                    const catalog::SettingKey* key =
                        catalog::findSpecificKey(kind, QString::fromUtf16(guard.key));
                    ASSERT_NE(key, nullptr) << kind.toStdString();
                    EXPECT_EQ(key->form, ValueForm::Choice) << kind.toStdString();
                    for (const int position : guard.positions) {
                        EXPECT_TRUE(position >= 0 && position < key->choiceCount())
                            << kind.toStdString();
                    }
                }
            }
        }
        for (const Step& step : steps) {
            const std::string where =
                kind.toStdString() + " " +
                QString::fromUtf16(step.param ? step.param : u"").toStdString();
            for (const ListFileId read : step.reads) {
                EXPECT_EQ(QString::fromUtf16(catalog::listFileInfo(read).kind), kind) << where;
            }
            if (step.when) {
                const catalog::SettingKey* when =
                    catalog::findSpecificKey(kind, QString::fromUtf16(step.when));
                ASSERT_NE(when, nullptr) << where;
                EXPECT_TRUE(when->form == ValueForm::Text || when->form == ValueForm::Flag)
                    << where;
            }
            if (step.rule == Rule::Custom) {
                continue;
            }
            const auto expected =
                std::find_if(std::begin(kRuleSources), std::end(kRuleSources),
                             [&](const RuleSource& row) { return row.rule == step.rule; });
            ASSERT_NE(expected, std::end(kRuleSources)) << where;
            if (expected->form) {
                const QString source = QString::fromUtf16(step.source.key);
                const catalog::SettingKey* key = catalog::findSpecificKey(kind, source);
                ASSERT_NE(key, nullptr) << where << " reads " << source.toStdString();
                EXPECT_EQ(key->form, *expected->form) << where;
                continue;
            }
            ASSERT_TRUE(step.source.list.has_value()) << where;
            const catalog::ListFileSpec& list = catalog::listFileInfo(*step.source.list);
            EXPECT_EQ(QString::fromUtf16(list.kind), kind)
                << where << " reads " << list.name().toStdString();
            EXPECT_EQ(list.form, *expected->list) << where;
        }
    }
}

TEST_P(AllKinds, GenerateWellFormedCode)
{
    const QString kind = GetParam();
    const Outcome<Generation> result = run(kind);
    ASSERT_TRUE(result.ok()) << kind.toStdString() << ": " << result.message().toStdString();

    for (const QString& path : result->media) {
        EXPECT_EQ(probeFile(path, app.path()), FileState::Exists) << path.toStdString();
    }

    if (kind == u"WhoIsVisitor") {
        ASSERT_EQ(result->lines.size(), 10);
        EXPECT_EQ(result->lines.first(), uR"(<script LANGUAGE="JavaScript">)");
        EXPECT_TRUE(result->lines.at(2).contains(u"WIDTH=400 HEIGHT=150"_s));
        EXPECT_EQ(result->lines.last(), u"</script>");
        return;
    }

    // The common part is the one a kind without parameters of its own gets.
    Outcome<Generation> common = run(u"HexColor"_s);
    ASSERT_TRUE(common.ok());
    const QStringList commonLines = common->lines.mid(1, common->lines.size() - 3);
    ASSERT_GE(result->lines.size(), commonLines.size() + 3);
    EXPECT_EQ(result->lines.first(),
              u"<applet code=\""_s + kind + u".class\" WIDTH=\"400\" HEIGHT=\"150\">"_s);
    EXPECT_EQ(result->lines.mid(1, commonLines.size()), commonLines);
    EXPECT_EQ(result->lines.mid(result->lines.size() - 2),
              (QStringList{u"Please activate Java..."_s, u"</applet>"_s}));

    static const QRegularExpression paramLine(
        u"^<param name=\"([A-Za-z][A-Za-z0-9_]*)\" value=\"([^\"]*)\">$"_s);
    const QStringList own =
        result->lines.mid(1 + commonLines.size(), result->lines.size() - 3 - commonLines.size());
    EXPECT_EQ(own.isEmpty(), kind == u"HexColor") << kind.toStdString();
    QSet<QString> names;
    QSet<QString> written;
    for (const QString& line : result->lines.mid(1, result->lines.size() - 3)) {
        const QRegularExpressionMatch match = paramLine.match(line);
        ASSERT_TRUE(match.hasMatch()) << line.toStdString();
    }
    for (const QString& line : own) {
        const QRegularExpressionMatch match = paramLine.match(line);
        EXPECT_FALSE(names.contains(match.captured(1)))
            << kind.toStdString() << " repeats " << match.captured(1).toStdString();
        names.insert(match.captured(1));
        written.insert(match.captured(2));
    }

    // Every value of the kind reaches its code, bar the ones its choices leave out.
    for (const catalog::SettingKey& key : catalog::kindKeys(kind).keys) {
        if (key.form != ValueForm::Text) {
            continue;
        }
        bool expectedUnwritten = false;
        for (const Unwritten& skip : kUnwritten) {
            expectedUnwritten |=
                QString::fromUtf16(skip.kind) == kind && QString::fromUtf16(skip.key) == key.name();
        }
        const QString value = shown(values.specific(kind).text(key.name()));
        EXPECT_EQ(written.contains(value), !expectedUnwritten)
            << kind.toStdString() << " " << key.name().toStdString();
    }
}

// The modern markup is the classic code with other element names: same parameters in the same
// order, same values and escaping, same media. WhoIsVisitor's classic code is a script; its
// modern code is the element with its two addresses, and no script.
TEST_P(AllKinds, ModernMarkupRenamesTheElementsAndChangesNothingElse)
{
    const QString kind = GetParam();
    const Outcome<Generation> classic = run(kind);
    const Outcome<Generation> modern = run(kind, settings::Markup::Modern);
    ASSERT_TRUE(classic.ok() && modern.ok()) << kind.toStdString();
    EXPECT_EQ(modern->media, classic->media);

    static const QRegularExpression startTag(u"^<applet (code=\"[^\"]*\") WIDTH=(\"[^\"]*\") "
                                             "HEIGHT=(\"[^\"]*\")>$"_s);
    static const QRegularExpression param(u"^<param (.*)>$"_s);
    EXPECT_TRUE(
        modern->lines.first().startsWith(u"<morvane-applet code=\""_s + kind + u".class\""_s));
    if (kind == u"WhoIsVisitor") {
        EXPECT_TRUE(modern->lines.filter(u"script"_s, Qt::CaseInsensitive).isEmpty());
        EXPECT_EQ(modern->lines.filter(u"<morvane-param name="_s).size(), 3); // and the generator
        EXPECT_EQ(modern->lines.last(), u"</morvane-applet>");
        return;
    }
    QStringList expected;
    for (const QString& line : classic->lines) {
        if (const QRegularExpressionMatch tag = startTag.match(line); tag.hasMatch()) {
            expected.append(u"<morvane-applet "_s + tag.captured(1) + u" width="_s +
                            tag.captured(2) + u" height="_s + tag.captured(3) + u'>');
        } else if (const QRegularExpressionMatch match = param.match(line); match.hasMatch()) {
            expected.append(u"<morvane-param "_s + match.captured(1) + u"></morvane-param>"_s);
        } else if (line == u"</applet>") {
            expected.append(u"</morvane-applet>"_s);
        } else {
            expected.append(line);
        }
    }
    EXPECT_EQ(modern->lines, expected);
}

INSTANTIATE_TEST_SUITE_P(Catalog, AllKinds, ::testing::ValuesIn(catalog::kindNames()),
                         [](const ::testing::TestParamInfo<QString>& kind) {
                             return kind.param.toStdString();
                         });

} // namespace
