#include "generator/Writers.h"
#include "generator/KindSteps.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace morvane;
using namespace morvane::generator;
using namespace Qt::StringLiterals;
using settings::MenuTree;
using settings::TreeNode;

namespace {

QString line(const QString& name, const QString& value)
{
    return u"<param name=\""_s + name + u"\" value=\""_s + value + u"\">"_s;
}

class WriterTest : public ::testing::Test {
protected:
    QString touch(const QString& relativePath)
    {
        const QString path = QDir(app.path()).filePath(relativePath);
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return relativePath;
    }
    // Runs `write` on a fresh context and returns what it produced.
    template <typename Write> Outcome<Generation> run(Write write)
    {
        const GenerationInput input{u"Kind"_s, values, {}, app.path()};
        GenerationContext ctx(input);
        const bool ok = write(ctx);
        return ctx.finish(ok);
    }

    QTemporaryDir app;
    settings::WorkingCopy values;
};

struct IntegerCase {
    const char16_t* text;
    Negatives negatives;
    bool accepted;
};

class IntegerWriter : public WriterTest, public ::testing::WithParamInterface<IntegerCase> {};

TEST_P(IntegerWriter, AcceptsOnlyStrictThirtyTwoBitIntegersAndWritesThemAsTyped)
{
    const QString text = QString::fromUtf16(GetParam().text);
    const Outcome<Generation> result = run([&](GenerationContext& ctx) {
        return writeInteger(ctx, u"pause"_s, text, u"Invalid pause"_s, GetParam().negatives);
    });
    EXPECT_EQ(result.ok(), GetParam().accepted) << text.toStdString();
    if (GetParam().accepted) {
        EXPECT_EQ(result->lines,
                  text.isEmpty() ? QStringList() : QStringList{line(u"pause"_s, text)});
    } else {
        EXPECT_EQ(result.message(), u"Invalid pause");
    }
}

constexpr auto kRefused = Negatives::Refused;
constexpr auto kAllowed = Negatives::Allowed;

INSTANTIATE_TEST_SUITE_P(
    Texts, IntegerWriter,
    ::testing::Values(IntegerCase{u"", kRefused, true}, IntegerCase{u"12", kRefused, true},
                      IntegerCase{u"007", kRefused, true}, IntegerCase{u"+5", kRefused, true},
                      IntegerCase{u"2147483647", kRefused, true},
                      IntegerCase{u"-2147483648", kAllowed, true},
                      IntegerCase{u"-4", kAllowed, true}, IntegerCase{u"0", kAllowed, true},
                      IntegerCase{u"-4", kRefused, false}, IntegerCase{u"0", kRefused, false},
                      IntegerCase{u"12abc", kRefused, false}, IntegerCase{u" 12", kRefused, false},
                      IntegerCase{u"12 ", kAllowed, false}, IntegerCase{u"0x10", kAllowed, false},
                      IntegerCase{u"2147483648", kRefused, false},
                      IntegerCase{u"-2147483649", kAllowed, false},
                      IntegerCase{u"-", kAllowed, false}, IntegerCase{u"1.5", kRefused, false},
                      IntegerCase{u"\u0661\u0662", kRefused, false}));

TEST_F(WriterTest, TextWriterRequiresOrSkipsEmptyTextAndKeepsBlanks)
{
    auto write = [&](const QString& text, Requirement requirement) {
        return run([&](GenerationContext& ctx) {
            return writeText(ctx, u"text"_s, text, u"a text"_s, requirement);
        });
    };
    EXPECT_EQ(write({}, Requirement::Required).message(), u"You must specify a text");
    const Outcome<Generation> skipped = write({}, Requirement::Optional);
    EXPECT_TRUE(skipped.ok());
    EXPECT_TRUE(skipped->lines.isEmpty());
    EXPECT_EQ(write(u" "_s, Requirement::Optional)->lines, QStringList{line(u"text"_s, u" "_s)});
    EXPECT_EQ(write(u"say \"hi\""_s, Requirement::Required)->lines,
              QStringList{line(u"text"_s, u"say &quot;hi&quot;"_s)});
}

TEST_F(WriterTest, FileWriterTellsEmptyMissingAndUntestablePathsApart)
{
    auto write = [&](const QString& path) {
        return run([&](GenerationContext& ctx) {
            return writeFile(ctx, u"image_name"_s, path, u"an image name"_s);
        });
    };
    EXPECT_EQ(write({}).message(), u"You must specify an image name");
    EXPECT_EQ(write(u"nowhere.gif"_s).message(), u"Can't find the file: nowhere.gif");
    const QString untestable = u"bad\0name.gif"_s;
    EXPECT_EQ(write(untestable).message(), u"Invalid file name: "_s + untestable);

    touch(u"pictures/river.jpg"_s);
    const Outcome<Generation> found = write(u"pictures\\river.jpg"_s);
    ASSERT_TRUE(found.ok()) << found.message().toStdString();
    EXPECT_EQ(found->lines, QStringList{line(u"image_name"_s, u"river.jpg"_s)});
    EXPECT_EQ(found->media, QStringList{u"pictures\\river.jpg"_s});
}

TEST_F(WriterTest, FileListWritesNamesThenCountAndListsEveryPath)
{
    const QStringList paths{touch(u"a/x.gif"_s), touch(u"y.gif"_s), u"y.gif"_s};
    const Outcome<Generation> result = run([&](GenerationContext& ctx) {
        return writeFileList(ctx, u"image"_s, paths, u"an image name"_s, u"image_number"_s);
    });
    ASSERT_TRUE(result.ok()) << result.message().toStdString();
    EXPECT_EQ(result->lines,
              (QStringList{line(u"image1"_s, u"x.gif"_s), line(u"image2"_s, u"y.gif"_s),
                           line(u"image3"_s, u"y.gif"_s), line(u"image_number"_s, u"3"_s)}));
    EXPECT_EQ(result->media, paths);
}

TEST_F(WriterTest, FileListFailsOnEmptyListAndStopsAtFirstMissingEntry)
{
    auto write = [&](const QStringList& paths, const QString& count) {
        return run([&](GenerationContext& ctx) {
            return writeFileList(ctx, u"clip"_s, paths, u"a clip"_s, count);
        });
    };
    EXPECT_EQ(write({}, u"-"_s).message(), u"You must add at least a clip");

    const Outcome<Generation> missing = write({touch(u"a.au"_s), u"b.au"_s, u"c.au"_s}, u"-"_s);
    EXPECT_EQ(missing.message(), u"Can't find the file: b.au");

    const Outcome<Generation> uncounted = write({u"a.au"_s}, u"-"_s);
    EXPECT_EQ(uncounted->lines, QStringList{line(u"clip1"_s, u"a.au"_s)});
}

TEST_F(WriterTest, TextListCountForms)
{
    const QStringList entries{u"one"_s, u"two"_s};
    auto write = [&](const QStringList& list, const QString& count) {
        return run([&](GenerationContext& ctx) {
            return writeTextList(ctx, u"link"_s, list, u"a link"_s, count);
        });
    };
    EXPECT_EQ(write(entries, u"link_number"_s)->lines,
              (QStringList{line(u"link1"_s, u"one"_s), line(u"link2"_s, u"two"_s),
                           line(u"link_number"_s, u"2"_s)}));
    EXPECT_EQ(write(entries, u"-"_s)->lines.size(), 2);
    const Outcome<Generation> presenceOnly = write(entries, QString());
    EXPECT_TRUE(presenceOnly.ok());
    EXPECT_TRUE(presenceOnly->lines.isEmpty());
    EXPECT_EQ(write({}, QString()).message(), u"You must add at least a link");
    EXPECT_EQ(write({}, u"-"_s).message(), u"You must add at least a link");
}

TreeNode node(const QString& text, std::vector<TreeNode> children = {})
{
    return TreeNode{text, std::move(children)};
}

class MenuWriterTest : public WriterTest {
protected:
    Outcome<Generation> write(const MenuTree& tree)
    {
        return run([&](GenerationContext& ctx) { return writeMenuHierarchy(ctx, tree); });
    }
};

TEST_F(MenuWriterTest, WritesDepthFirstWithConcatenatedIndices)
{
    const MenuTree tree{
        {node(u"Root"_s,
              {node(u"Home # index.html"_s),
               node(u"Products"_s, {node(u"Tools # tools.html"_s),
                                    node(u"Books # books.html"_s, {node(u"Old # old.html"_s)})}),
               node(u"Contact # mail.html"_s)})}};
    const Outcome<Generation> result = write(tree);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result->lines,
              (QStringList{line(u"text1"_s, u"Home"_s), line(u"link1"_s, u"index.html"_s),
                           line(u"text2"_s, u"Products"_s), line(u"text21"_s, u"Tools"_s),
                           line(u"link21"_s, u"tools.html"_s), line(u"text22"_s, u"Books"_s),
                           line(u"link22"_s, u"books.html"_s), line(u"text221"_s, u"Old"_s),
                           line(u"link221"_s, u"old.html"_s), line(u"text3"_s, u"Contact"_s),
                           line(u"link3"_s, u"mail.html"_s)}));
}

struct SplitCase {
    const char16_t* text;
    const char16_t* caption;
    const char16_t* link; // nullptr: no link line
};

class MenuTextSplit : public MenuWriterTest, public ::testing::WithParamInterface<SplitCase> {};

TEST_P(MenuTextSplit, CutsOneCharacterOnEachSideOfTheFirstHash)
{
    const Outcome<Generation> result =
        write({{node(u"Root"_s, {node(QString::fromUtf16(GetParam().text))})}});
    QStringList expected{line(u"text1"_s, QString::fromUtf16(GetParam().caption))};
    if (GetParam().link) {
        expected.append(line(u"link1"_s, QString::fromUtf16(GetParam().link)));
    }
    EXPECT_EQ(result->lines, expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, MenuTextSplit,
                         ::testing::Values(SplitCase{u"Plain caption", u"Plain caption", nullptr},
                                           SplitCase{u"Home #index.html", u"Home", u"ndex.html"},
                                           SplitCase{u"Home# index.html", u"Hom", u"index.html"},
                                           SplitCase{u"C# # page.html", u"", u"# page.html"},
                                           SplitCase{u"#x", u"", nullptr},
                                           SplitCase{u"Home # ", u"Home", nullptr},
                                           SplitCase{u"Home #", u"Home", nullptr}));

TEST_F(MenuWriterTest, TenOrMoreEntriesGiveAmbiguousNamesAsTheAppletExpects)
{
    std::vector<TreeNode> items{node(u"First"_s, {node(u"Sub"_s)})};
    for (int i = 2; i <= 11; ++i) {
        items.push_back(node(QString::number(i)));
    }
    const Outcome<Generation> result = write({{node(u"Root"_s, items)}});
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result->lines.filter(u"\"text11\""_s),
              (QStringList{line(u"text11"_s, u"Sub"_s), line(u"text11"_s, u"11"_s)}));
}

TEST_F(MenuWriterTest, OnlyTheFirstTopLevelNodeIsTheRoot)
{
    EXPECT_EQ(write(MenuTree{}).message(), u"You must add at least an item in the menu hierarchy");
    EXPECT_EQ(write(MenuTree::withRoot()).message(),
              u"You must add at least an item in the menu hierarchy");
    EXPECT_EQ(write({{node(u"Root"_s), node(u"Stray"_s, {node(u"Child"_s)})}}).message(),
              u"You must add at least an item in the menu hierarchy");

    const Outcome<Generation> result =
        write({{node(u"Root"_s, {node(u"Kept"_s)}), node(u"Stray # s.html"_s)}});
    EXPECT_EQ(result->lines, QStringList{line(u"text1"_s, u"Kept"_s)});
}

// The runner's own rules; the writers behind the other rules are tested above.
class StepRunnerTest : public WriterTest {
protected:
    settings::ValueSet& specific() { return values.specific(u"Kind"_s); }
    Outcome<Generation> runTable(std::span<const Step> steps)
    {
        return run([&](GenerationContext& ctx) { return runSteps(ctx, steps); });
    }
};

constexpr Step kChoiceAndFlagSteps[] = {
    {.rule = Rule::Choice,
     .param = u"location",
     .source = u"Radio",
     .firstValue = u"center",
     .otherValue = u"mouse",
     .secondValue = u"random"},
    {.rule = Rule::Choice,
     .param = u"mode",
     .source = u"Radio",
     .firstValue = u"enter",
     .otherValue = u"clic"},
    {Rule::Index, u"index", u"Radio"},
    {.rule = Rule::Flag,
     .param = u"scrollbar",
     .source = u"Box",
     .firstValue = u"true",
     .otherValue = u"false"},
};

TEST_F(StepRunnerTest, ChoicesIndicesAndFlags)
{
    const auto valuesFor = [&](int choice) {
        specific().setChoice(u"Radio"_s, choice);
        specific().setFlag(u"Box"_s, choice == 0);
        QStringList result;
        const Outcome<Generation> generated = runTable(kChoiceAndFlagSteps);
        for (const QString& text : generated->lines) {
            result.append(text.section(u"value=\""_s, 1).chopped(2));
        }
        return result;
    };
    EXPECT_EQ(valuesFor(0), (QStringList{u"center"_s, u"enter"_s, u"0"_s, u"true"_s}));
    EXPECT_EQ(valuesFor(1), (QStringList{u"random"_s, u"clic"_s, u"1"_s, u"false"_s}));
    EXPECT_EQ(valuesFor(2), (QStringList{u"mouse"_s, u"clic"_s, u"2"_s, u"false"_s}));
    EXPECT_EQ(valuesFor(settings::kNoChoice),
              (QStringList{u"mouse"_s, u"clic"_s, u"-1"_s, u"false"_s}));
}

constexpr Step kConditionalSteps[] = {
    {.rule = Rule::PositiveInt,
     .param = u"text_height",
     .source = u"TextHeight",
     .message = u"Invalid text height",
     .when = u"Text"},
    {.rule = Rule::Color,
     .param = u"background_color2",
     .source = u"Color2",
     .when = u"Alternated"},
    {Rule::FileName, u"turned_image", u"TurnedImage"},
    {Rule::AsTyped, u"target", u"Target"},
};

TEST_F(StepRunnerTest, ConditionalStepsAreNeitherValidatedNorWrittenWhenTheirFieldIsUnset)
{
    specific().setText(u"TextHeight"_s, u"0"_s);
    specific().setColor(u"Color2"_s, 0x0000FF);
    Outcome<Generation> result = runTable(kConditionalSteps);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result->lines, QStringList{line(u"target"_s, QString())});

    specific().setText(u"Text"_s, u"Hello"_s);
    EXPECT_EQ(runTable(kConditionalSteps).message(), u"Invalid text height");

    specific().setText(u"TextHeight"_s, u"12"_s);
    specific().setFlag(u"Alternated"_s, true);
    specific().setText(u"TurnedImage"_s, u"not\\there.gif"_s);
    result = runTable(kConditionalSteps);
    EXPECT_EQ(
        result->lines,
        (QStringList{line(u"text_height"_s, u"12"_s), line(u"background_color2"_s, u"#FF0000"_s),
                     line(u"turned_image"_s, u"there.gif"_s), line(u"target"_s, QString())}));
    EXPECT_TRUE(result->media.isEmpty());
}

} // namespace
