#include "generator/FieldRules.h"
#include "generator/Generator.h"
#include "generator/Html.h"
#include "settings/ListFiles.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

using namespace morvane;
using namespace morvane::generator;
using namespace Qt::StringLiterals;
using catalog::ListFileId;
using settings::MenuTree;
using settings::TreeNode;

namespace {

// Generates one kind without common parameters and gives its own lines as "name=value".
class Kind {
public:
    explicit Kind(const QString& kind)
        : m_kind(kind)
    {
        values.common().setText(u"Width"_s, u"300"_s);
        values.common().setText(u"Height"_s, u"200"_s);
    }

    settings::ValueSet& field() { return values.specific(m_kind); }
    QStringList& list(catalog::ListFileId file) { return values.list(file); }
    QString touch(const QString& name)
    {
        QFile file(QDir(app.path()).filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return name;
    }

    Outcome<Generation> run() { return generateClosed({m_kind, values, support, app.path()}); }
    QString message() { return run().message(); }

    // The kind's own parameters: what follows the <applet> and "generator" lines.
    QStringList params()
    {
        const Outcome<Generation> result = run();
        EXPECT_TRUE(result.ok()) << result.message().toStdString();
        static const QRegularExpression line(u"^<param name=\"([^\"]*)\" value=\"(.*)\">$"_s);
        QStringList pairs;
        for (const QString& text : result->lines.mid(2)) {
            const QRegularExpressionMatch match = line.match(text);
            if (match.hasMatch()) {
                pairs.append(match.captured(1) + u'=' + match.captured(2));
            }
        }
        return pairs;
    }

    QTemporaryDir app;
    settings::WorkingCopy values;
    catalog::Support support;

private:
    QString m_kind;
};

class KindTest : public ::testing::Test, public Kind {
protected:
    explicit KindTest(const QString& kind)
        : Kind(kind)
    {}
};

// --- Polygons -----------------------------------------------------------------------------

struct PolygonsCase {
    int mode;
    int orderGroup;
    int trianglesGroup;
    QStringList expected;
};

class Polygons : public KindTest {
protected:
    Polygons()
        : KindTest(u"Polygons"_s)
    {
        const std::pair<const char16_t*, const char16_t*> texts[] = {
            {u"Pause", u"20"},     {u"Pause2", u"900"},    {u"Order", u"5"},
            {u"OrderMax", u"9"},   {u"AngleStep", u"3"},   {u"TrianglesNumber", u"6"},
            {u"NumberMax", u"12"}, {u"Coefficient", u"2"}, {u"ReplicaNumber", u"4"},
        };
        for (const auto& [key, value] : texts) {
            field().setText(QString::fromUtf16(key), QString::fromUtf16(value));
        }
        field().setColor(u"Color"_s, 0x0000FF);
    }
};

class PolygonsModes : public Polygons, public ::testing::WithParamInterface<PolygonsCase> {};

TEST_P(PolygonsModes, WriteTheStepsOfTheChosenEffects)
{
    field().setChoice(u"Radio6Index"_s, GetParam().mode);
    field().setChoice(u"Radio7Index"_s, GetParam().orderGroup);
    field().setChoice(u"Radio8Index"_s, GetParam().trianglesGroup);
    EXPECT_EQ(params(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Polygons, PolygonsModes,
    ::testing::Values(
        PolygonsCase{0,
                     0,
                     1,
                     {u"pause=20"_s, u"pause2=900"_s, u"mode=0"_s, u"order=5"_s, u"step=3"_s,
                      u"color=#FF0000"_s}},
        PolygonsCase{1,
                     1,
                     0,
                     {u"pause=20"_s, u"pause2=900"_s, u"mode=1"_s, u"triangles_number=6"_s,
                      u"coefficient=2"_s, u"repetitions_number=4"_s, u"color=#FF0000"_s}},
        PolygonsCase{2,
                     1,
                     1,
                     {u"pause=20"_s, u"pause2=900"_s, u"mode=2"_s, u"order_max=9"_s, u"step=3"_s,
                      u"order=0"_s, u"triangles_number_max=12"_s, u"coefficient=2"_s,
                      u"repetitions_number=4"_s, u"triangles_number=0"_s, u"color=#FF0000"_s}},
        // No button of a group selected: only the steps that follow the group's choice.
        PolygonsCase{2,
                     -1,
                     -1,
                     {u"pause=20"_s, u"pause2=900"_s, u"mode=2"_s, u"step=3"_s, u"coefficient=2"_s,
                      u"repetitions_number=4"_s, u"color=#FF0000"_s}},
        PolygonsCase{
            -1, 0, 0, {u"pause=20"_s, u"pause2=900"_s, u"mode=-1"_s, u"color=#FF0000"_s}}));

TEST_F(Polygons, OnlyTheChosenEffectsAreValidated)
{
    field().setChoice(u"Radio7Index"_s, 0);
    field().setText(u"Order"_s, u"0"_s);
    field().setText(u"AngleStep"_s, u"x"_s);
    field().setChoice(u"Radio6Index"_s, 1);
    field().setChoice(u"Radio8Index"_s, 1);
    field().setText(u"NumberMax"_s, u"-2"_s);
    EXPECT_EQ(message(), u"Invalid max triangles number");

    field().setChoice(u"Radio6Index"_s, 0);
    EXPECT_EQ(message(), u"Invalid order");
    field().setChoice(u"Radio7Index"_s, 1);
    EXPECT_EQ(message(), u"Invalid angle step");
}

// The page's rule for each number an effect reads holds exactly when the generator reads it.
TEST_F(Polygons, TheRulesOfTheEffectsApplyUnderTheChoicesTheGeneratorReadsThemUnder)
{
    int guarded = 0;
    for (const PageFieldRule& rule : fieldRules(u"Polygons"_s, support)) {
        if (rule.chosen.empty()) {
            continue;
        }
        ++guarded;
        const QString good = field().text(rule.key);
        field().setText(rule.key, u"0"_s);
        for (int mode = -1; mode <= 2; ++mode) {
            for (int group = -1; group <= 1; ++group) {
                field().setChoice(u"Radio6Index"_s, mode);
                field().setChoice(u"Radio7Index"_s, group);
                field().setChoice(u"Radio8Index"_s, group);
                EXPECT_EQ(message(), ruleApplies(rule, field()) ? rule.message : QString())
                    << rule.key.toStdString() << " mode " << mode << " group " << group;
            }
        }
        field().setText(rule.key, good);
    }
    EXPECT_EQ(guarded, 7);
}

// --- Menus --------------------------------------------------------------------------------

class MenuPopUp : public KindTest {
protected:
    MenuPopUp()
        : KindTest(u"MenuPopUp"_s)
    {
        values.tree(ListFileId::MenuPopUpTree) =
            MenuTree{{TreeNode{u"Root"_s, {TreeNode{u"Home # index.html"_s, {}}}}}};
        field().setText(u"MenuPopupTarget"_s, u"_top"_s);
        field().setChoice(u"Radio4Index"_s, 0);
        field().setChoice(u"Radio5Index"_s, 0);
    }
};

TEST_F(MenuPopUp, WithoutTextTheTextDisplayIsNeitherCheckedNorWritten)
{
    field().setText(u"TextHeight"_s, u"abc"_s);
    EXPECT_EQ(params(), (QStringList{u"text1=Home"_s, u"link1=index.html"_s, u"target=_top"_s,
                                     u"mode=enter"_s, u"location=center"_s}));

    field().setText(u"Text"_s, u"Menu"_s);
    EXPECT_EQ(message(), u"Invalid text height");
    field().setText(u"TextHeight"_s, u"12"_s);
    field().setColor(u"Color"_s, 0x00FF00);
    EXPECT_EQ(params().mid(2, 3),
              (QStringList{u"text_height=12"_s, u"text=Menu"_s, u"text_color=#00FF00"_s}));
}

TEST_F(MenuPopUp, ModeAndLocationFollowTheirButtons)
{
    const std::pair<int, QString> locations[] = {
        {0, u"center"_s}, {1, u"random"_s}, {2, u"mouse"_s}, {-1, u"mouse"_s}};
    for (const int mode : {0, 1, -1}) {
        field().setChoice(u"Radio5Index"_s, mode);
        for (const auto& [index, location] : locations) {
            field().setChoice(u"Radio4Index"_s, index);
            const QStringList written = params();
            EXPECT_EQ(written.value(written.size() - 2),
                      mode == 0 ? u"mode=enter"_s : u"mode=clic"_s);
            EXPECT_EQ(written.last(), u"location="_s + location);
        }
    }
}

TEST_F(MenuPopUp, AnEmptyMenuIsRefused)
{
    values.tree(ListFileId::MenuPopUpTree) = MenuTree::withRoot();
    EXPECT_EQ(message(), u"You must add at least an item in the menu hierarchy");
}

TEST(MenuFrame, HierarchyStandsBetweenFrameXAndFrameY)
{
    Kind menu(u"MenuFrame"_s);
    menu.field().setText(u"FrameX"_s, u"10"_s);
    menu.field().setText(u"FrameY"_s, u"20"_s);
    menu.field().setText(u"MenuFrameTarget"_s, u"main"_s);
    menu.values.tree(ListFileId::MenuFrameTree) = MenuTree{
        {TreeNode{u"Root"_s, {TreeNode{u"Products"_s, {TreeNode{u"Tools # tools.html"_s, {}}}}}}}};
    EXPECT_EQ(menu.params(),
              (QStringList{u"frame_X=10"_s, u"text1=Products"_s, u"text11=Tools"_s,
                           u"link11=tools.html"_s, u"frame_Y=20"_s, u"target=main"_s}));
}

// --- Table --------------------------------------------------------------------------------

class Table : public KindTest {
protected:
    Table()
        : KindTest(u"Table"_s)
    {
        field().setText(u"DataFile"_s, touch(u"data.txt"_s));
        field().setChoice(u"Radio15Index"_s, 1);
        field().setChoice(u"Radio16Index"_s, 2);
        field().setColor(u"BorderColor"_s, 0x000000);
        field().setColor(u"BackgroundColor2"_s, 0xEEEEEE);
        field().setColor(u"ColumnsColor"_s, 0x336699);
    }
};

TEST_F(Table, AlternatedColorOnlyWhenTickedAndColumnColorsFollowTheDefault)
{
    EXPECT_EQ(params(),
              (QStringList{u"data_file=data.txt"_s, u"skip_first_row=0"_s, u"title_mode=2"_s,
                           u"border_color=#000000"_s, u"columns_color=#996633"_s}));

    field().setFlag(u"Alternated"_s, true);
    list(ListFileId::TableColumns) = QStringList{u"2"_s, u"5"_s};
    list(ListFileId::TableColors) = QStringList{u"255"_s, u"16711680"_s};
    EXPECT_EQ(params().mid(3),
              (QStringList{u"border_color=#000000"_s, u"background_color2=#EEEEEE"_s,
                           u"columns_color=#996633"_s, u"columns_color2=#FF0000"_s,
                           u"columns_color5=#0000FF"_s}));
}

TEST_F(Table, ColumnColorThatIsNoNumberIsRefused)
{
    list(ListFileId::TableColumns) = QStringList{u"1"_s};
    list(ListFileId::TableColors) = QStringList{u"red"_s};
    EXPECT_EQ(message(), u"Invalid column color: red");
}

// --- LoginBox -----------------------------------------------------------------------------

class LoginBox : public KindTest {
protected:
    LoginBox()
        : KindTest(u"LoginBox"_s)
    {
        field().setText(u"FrameWidth"_s, u"300"_s);
        field().setText(u"LoginBoxTarget"_s, u"_self"_s);
        list(ListFileId::LoginBoxLogins) = QStringList{u"ann"_s, u"bob"_s};
        list(ListFileId::LoginBoxPasswords) = QStringList{u"secret"_s, u"pa ss"_s};
        list(ListFileId::LoginBoxLinks) = QStringList{u"ann.html"_s, u"bob.html"_s};
    }
    QString passwordFile() const { return settings::listFilePath(app.path(), u"pass.txt"_s); }
    QByteArray passwordBytes() const
    {
        QFile file(passwordFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }
};

TEST_F(LoginBox, WritesThePasswordFileAndNeedsIt)
{
    const Outcome<Generation> result = run();
    ASSERT_TRUE(result.ok()) << result.message().toStdString();
    EXPECT_EQ(passwordBytes(), QByteArray("ann secret ann.html\r\nbob pa ss bob.html\r\n"));
    EXPECT_EQ(result->media, QStringList{passwordFile()});
    EXPECT_EQ(params(), (QStringList{u"frame_width=300"_s, u"target=_self"_s}));
}

TEST_F(LoginBox, EmptyLoginsGiveAnEmptyFileButEmptyLinksAreRefused)
{
    list(ListFileId::LoginBoxLogins).clear();
    ASSERT_TRUE(run().ok());
    EXPECT_EQ(passwordBytes(), QByteArray());

    list(ListFileId::LoginBoxLogins) = QStringList{u"carl"_s};
    list(ListFileId::LoginBoxLinks).clear();
    EXPECT_EQ(message(), u"You must add at least at least a login, a password and a link");
    EXPECT_EQ(passwordBytes(), QByteArray()); // the failed run left the file alone
}

TEST_F(LoginBox, FailedCheckLeavesThePasswordFileUntouched)
{
    ASSERT_TRUE(run().ok());
    field().setText(u"FrameHeight"_s, u"0"_s);
    list(ListFileId::LoginBoxPasswords) = QStringList{u"changed"_s, u"changed"_s};
    EXPECT_EQ(message(), u"Invalid frame height");
    EXPECT_EQ(passwordBytes(), QByteArray("ann secret ann.html\r\nbob pa ss bob.html\r\n"));
}

TEST_F(LoginBox, UnwritablePasswordFileFailsTheGeneration)
{
    QFile blocker(QDir(app.path()).filePath(u"cfg"_s)); // a file where the folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const Outcome<Generation> result = run();
    EXPECT_FALSE(result.ok());
    EXPECT_FALSE(result.message().isEmpty());
}

// --- WhoIsVisitor -------------------------------------------------------------------------

class WhoIsVisitor : public KindTest {
protected:
    WhoIsVisitor()
        : KindTest(u"WhoIsVisitor"_s)
    {
        field().setText(u"Recipient"_s, u"me@example.com"_s);
        field().setText(u"Sender"_s, u"site \"news\"@example.com"_s);
        support.set(catalog::CommonParameter::BackgroundImage);
        support.set(catalog::CommonParameter::StatusbarMessage);
        values.common().setText(u"BackgroundImage"_s, touch(u"back.gif"_s));
        values.common().setText(u"StatusbarMessage"_s, u"hello"_s);
        values.common().setText(u"NoJavaMessage"_s, u"Please activate Java..."_s);
    }
};

TEST_F(WhoIsVisitor, OnlyTheScriptLinesRemainAndTheMediaStay)
{
    const Outcome<Generation> result = run();
    ASSERT_TRUE(result.ok()) << result.message().toStdString();
    EXPECT_EQ(
        result->lines,
        (QStringList{
            uR"(<script LANGUAGE="JavaScript">)"_s,
            u"<!--"_s,
            uR"(document.write("<APPLET CODE=WhoIsVisitor.class WIDTH=300 HEIGHT=200>");)"_s,
            uR"(document.write("<PARAM NAME=recipient VALUE=\"me@example.com\">");)"_s,
            uR"(document.write("<PARAM NAME=sender VALUE=\"site \u0026quot;news\u0026quot;@example.com\">");)"_s,
            uR"(document.write("<PARAM NAME=lastvisited VALUE=\"");)"_s,
            uR"(document.write(escape(document.referrer));)"_s,
            uR"(document.write("\"></APPLET>");)"_s,
            u"// -->"_s,
            u"</script>"_s,
        }));
    EXPECT_EQ(result->media, QStringList{u"back.gif"_s});
}

// A value is written as the attribute text of a parameter line, inside a script string: the
// string decodes to that text, and nothing in it can end the string or the script.
TEST_F(WhoIsVisitor, HostileValuesStayInsideTheirScriptString)
{
    const QString hostile[] = {
        u"</script><script>window.__pwned = 1</script>"_s,
        u"<!--<script>"_s,
        u"ends in a backslash\\"_s,
        u"say \"hi\" or 'hi'"_s,
        u"line\u2028and\u2029paragraph\tend"_s,
        u"Tom & Jerry <tom@example.com>"_s,
    };
    const std::pair<QString, QString> fields[] = {{u"Recipient"_s, u"recipient"_s},
                                                  {u"Sender"_s, u"sender"_s}};
    for (const auto& [key, name] : fields) {
        for (const QString& value : hostile) {
            SCOPED_TRACE(QString(key + u" = "_s + value).toStdString());
            field().setText(key, value);
            const Outcome<Generation> result =
                generateClosed({u"WhoIsVisitor"_s, values, support, app.path(), false});
            ASSERT_TRUE(result.ok()) << result.message().toStdString();
            const QString start = u"document.write(\"<PARAM NAME="_s + name + u" VALUE=\\\""_s;
            const QString end = u"\\\">\");"_s;
            const auto line = std::find_if(result->lines.begin(), result->lines.end(),
                                           [&](const QString& l) { return l.startsWith(start); });
            ASSERT_NE(line, result->lines.end());
            ASSERT_TRUE(line->endsWith(end)) << line->toStdString();
            const QString literal =
                line->mid(start.size(), line->size() - start.size() - end.size());
            EXPECT_FALSE(literal.contains(u'<')) << literal.toStdString();
            EXPECT_FALSE(literal.contains(u'>')) << literal.toStdString();
            EXPECT_EQ(result->lines.filter(u"</script"_s, Qt::CaseInsensitive),
                      QStringList{u"</script>"_s});

            QJsonParseError error{};
            const QJsonDocument decoded =
                QJsonDocument::fromJson((u"[\""_s + literal + u"\"]"_s).toUtf8(), &error);
            ASSERT_EQ(error.error, QJsonParseError::NoError) << literal.toStdString();
            ASSERT_EQ(decoded.array().size(), 1);
            EXPECT_EQ(decoded.array().at(0).toString(), QString(value).replace(u'"', u"&quot;"_s));
        }
    }
}

// The valid markup carries no script at all, so that a strict policy lets it run: the element
// alone, its addresses as parameter lines, the media kept.
TEST_F(WhoIsVisitor, ValidMarkupIsTheElementWithoutAScript)
{
    const Outcome<Generation> result = generateClosed(
        {u"WhoIsVisitor"_s, values, support, app.path(), false, settings::Markup::Modern});
    ASSERT_TRUE(result.ok()) << result.message().toStdString();
    EXPECT_EQ(
        result->lines,
        (QStringList{
            uR"(<morvane-applet code="WhoIsVisitor.class" width="300" height="200">)"_s,
            paramLine(u"generator"_s, generatorValue(), settings::Markup::Modern),
            uR"(<morvane-param name="recipient" value="me@example.com"></morvane-param>)"_s,
            uR"(<morvane-param name="sender" value="site &quot;news&quot;@example.com"></morvane-param>)"_s,
            u"</morvane-applet>"_s,
        }));
    EXPECT_EQ(result->media, QStringList{u"back.gif"_s});
}

TEST_F(WhoIsVisitor, BothAddressesAreRequiredRecipientFirst)
{
    field().setText(u"Sender"_s, QString());
    EXPECT_EQ(message(), u"You must specify a sender email");
    field().setText(u"Recipient"_s, QString());
    EXPECT_EQ(message(), u"You must specify a recipient email");
}

// --- Media kinds --------------------------------------------------------------------------

class Memory : public KindTest {
protected:
    Memory()
        : KindTest(u"Memory"_s)
    {
        list(ListFileId::MemoryImages) = QStringList{touch(u"a.gif"_s), touch(u"b.gif"_s)};
    }
};

// A page that names its turned-off image must bring it along, or the site is published without
// it; an empty field names nothing and the color stands alone.
TEST_F(Memory, TurnedImageIsANeededFileOnceNamed)
{
    field().setText(u"TurnedOffImage"_s, touch(u"back.gif"_s));
    const Outcome<Generation> result = run();
    ASSERT_TRUE(result.ok()) << result.message().toStdString();
    EXPECT_EQ(result->media, (QStringList{u"a.gif"_s, u"b.gif"_s, u"back.gif"_s}));
    EXPECT_EQ(params().last(), u"turned_image=back.gif");

    field().setText(u"TurnedOffImage"_s, u"C:\\pics\\lost.gif"_s);
    EXPECT_EQ(message(), u"Can't find the file: C:\\pics\\lost.gif");

    field().setText(u"TurnedOffImage"_s, QString());
    EXPECT_EQ(run()->media, (QStringList{u"a.gif"_s, u"b.gif"_s}));
    EXPECT_TRUE(params().last().startsWith(u"turned_color="_s));
}

TEST(Puzzle, WinningLinkBringsItsTargetEvenEmpty)
{
    Kind puzzle(u"Puzzle"_s);
    puzzle.field().setText(u"Image"_s, puzzle.touch(u"p.jpg"_s));
    puzzle.field().setText(u"PuzzleTarget"_s, u"_blank"_s);
    EXPECT_EQ(puzzle.params(), (QStringList{u"image_name=p.jpg"_s, u"empty_color=#000000"_s}));

    puzzle.field().setText(u"WinningLink"_s, u"won.html"_s);
    puzzle.field().setText(u"PuzzleTarget"_s, QString());
    EXPECT_EQ(puzzle.params().mid(2), (QStringList{u"link=won.html"_s, u"target="_s}));
}

class TicTacToe : public KindTest {
protected:
    TicTacToe()
        : KindTest(u"TicTacToe"_s)
    {
        field().setText(u"PlayerImage"_s, touch(u"x.gif"_s));
        field().setText(u"ComputerImage"_s, touch(u"o.gif"_s));
        field().setChoice(u"Radio1Index"_s, 2);
        field().setChoice(u"Radio2Index"_s, 1);
    }
};

TEST_F(TicTacToe, OptionalSoundsAreSkippedWhenEmptyAndCheckedOtherwise)
{
    field().setText(u"DrawSound"_s, touch(u"draw.au"_s));
    const Outcome<Generation> result = run();
    ASSERT_TRUE(result.ok()) << result.message().toStdString();
    EXPECT_EQ(result->media, (QStringList{u"x.gif"_s, u"o.gif"_s, u"draw.au"_s}));
    EXPECT_EQ(params(),
              (QStringList{u"cross=x.gif"_s, u"circle=o.gif"_s, u"draw_sound_name=draw.au"_s,
                           u"border_color=#000000"_s, u"first=2"_s, u"mode=1"_s}));

    field().setText(u"ClickSound"_s, u"lost.au"_s);
    EXPECT_EQ(message(), u"Can't find the file: lost.au");
    field().setText(u"ComputerImage"_s, QString());
    EXPECT_EQ(message(), u"You must specify an computer image name");
}

// --- Lists and their messages -------------------------------------------------------------

class Navigation : public KindTest {
protected:
    Navigation()
        : KindTest(u"Navigation"_s)
    {
        list(ListFileId::NavigationLinks) = QStringList{u"a.html"_s, u"b.html"_s};
        list(ListFileId::NavigationImages) = QStringList{touch(u"a.gif"_s), touch(u"b.gif"_s)};
        list(ListFileId::NavigationFocusedImages) =
            QStringList{touch(u"a2.gif"_s), touch(u"b2.gif"_s)};
        field().setText(u"NavigationTarget"_s, u"_blank"_s);
    }
};

TEST_F(Navigation, ListsThenDirectionThenTarget)
{
    field().setChoice(u"Radio3Index"_s, 1);
    EXPECT_EQ(params(), (QStringList{u"link1=a.html"_s, u"link2=b.html"_s, u"number=2"_s,
                                     u"image1=a.gif"_s, u"image2=b.gif"_s,
                                     u"image_focused1=a2.gif"_s, u"image_focused2=b2.gif"_s,
                                     u"direction=vertical"_s, u"target=_blank"_s}));
    field().setChoice(u"Radio3Index"_s, -1);
    EXPECT_EQ(params().at(7), u"direction=horizontal");
}

TEST_F(Navigation, MissingFocusedImageIsNamed)
{
    list(ListFileId::NavigationFocusedImages)[1] = u"gone.gif"_s;
    EXPECT_EQ(message(), u"Can't find the file: gone.gif");
    list(ListFileId::NavigationLinks).clear();
    EXPECT_EQ(message(), u"You must add at least at a link, an image and a mouse over image");
}

struct MessageCase {
    const char16_t* kind;
    std::vector<std::pair<const char16_t*, const char16_t*>> texts;
    const char16_t* expected;
};

class KindMessages : public ::testing::TestWithParam<MessageCase> {};

TEST_P(KindMessages, KeepTheirExactWording)
{
    Kind kind(QString::fromUtf16(GetParam().kind));
    for (const auto& [key, value] : GetParam().texts) {
        kind.field().setText(QString::fromUtf16(key), QString::fromUtf16(value));
    }
    EXPECT_EQ(kind.message(), QString::fromUtf16(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    OtherColumns, KindMessages,
    ::testing::Values(
        MessageCase{u"StatusBarScroller", {{u"Text", u"hi"}, {u"Pause", u"0"}}, u"Ivalid pause"},
        MessageCase{u"StatusBarScroller", {{u"Pause", u"abc"}}, u"You must specify a text"},
        MessageCase{u"ListLink", {}, u"You must add at least at least a text and a link"},
        MessageCase{u"SoundPlayer", {}, u"You must add at least at least a clip and a clip name"},
        MessageCase{u"RandomLink", {}, u"You must specify an image name"},
        MessageCase{u"Protect", {}, u"You must add at least an image name"},
        MessageCase{u"Zoom", {{u"Pause2", u"-1"}}, u"Invalid 100% pause"},
        MessageCase{u"Puzzle", {{u"Image", u"nowhere.jpg"}}, u"Can't find the file: nowhere.jpg"},
        MessageCase{u"ScanImage", {{u"AreaStepLimit", u"1.5"}}, u"Invalid radius limit"},
        MessageCase{u"ScrollUpDown", {{u"WidthShift", u"0"}}, u"Invalid width offset"},
        MessageCase{u"StarsText2",
                    {{u"LettersInitialHeight", u"0"}, {u"Text", u"x"}},
                    u"Invalid initial height"},
        MessageCase{u"Table", {{u"Border", u"2"}}, u"You must specify a data file"},
        MessageCase{u"WaveText", {{u"PhaseStep", u"+"}, {u"Text", u"x"}}, u"Invalid phase step"}));

TEST(StarsText2, LettersHeightStandsBeforeTheTextAndTheScrollbarFollowsItsBox)
{
    Kind stars(u"StarsText2"_s);
    stars.field().setText(u"TextZoomStep"_s, u"2"_s);
    stars.field().setText(u"LettersInitialHeight"_s, u"40"_s);
    stars.field().setText(u"Text"_s, u"Hello"_s);
    stars.field().setFlag(u"Scrollbar"_s, true);
    EXPECT_EQ(stars.params(),
              (QStringList{u"height_step2=2"_s, u"letters_height=40"_s, u"text=Hello"_s,
                           u"star_color=#000000"_s, u"scrollbar=true"_s}));
}

} // namespace
