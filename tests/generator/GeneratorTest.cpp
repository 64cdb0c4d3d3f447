#include "generator/Generator.h"
#include "base/ColorRef.h"
#include "catalog/Kinds.h"
#include "catalog/Version.h"
#include "generator/Html.h"
#include "generator/Preview.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace morvane;
using namespace morvane::generator;
using namespace Qt::StringLiterals;
using catalog::CommonParameter;

namespace {

class GeneratorTest : public ::testing::Test {
protected:
    GeneratorTest()
    {
        common().setText(u"Width"_s, u"400"_s);
        common().setText(u"Height"_s, u"150"_s);
        common().setText(u"NoJavaMessage"_s, u"Please activate Java..."_s);
    }
    settings::ValueSet& common() { return values.common(); }
    QString touch(const QString& name)
    {
        QFile file(QDir(app.path()).filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return name;
    }
    Outcome<Generation> run(const QString& kind = u"HexColor"_s)
    {
        return generateClosed({kind, values, support, app.path()});
    }

    QTemporaryDir app;
    settings::WorkingCopy values;
    catalog::Support support;
};

TEST(Html, ColorsParamLinesAndFileNames)
{
    EXPECT_EQ(htmlColor(0xFF0000), u"#0000FF");
    EXPECT_EQ(htmlColor(0x336699), u"#996633");
    EXPECT_EQ(htmlColor(0x000040), u"#400000");
    EXPECT_EQ(htmlColor(0), u"#000000");
    EXPECT_EQ(paramLine(u"text"_s, u"say \"hi\" & <b>"_s),
              u"<param name=\"text\" value=\"say &quot;hi&quot; & <b>\">");
    EXPECT_EQ(fileNamePart(u"C:\\a\\x.gif"_s), u"x.gif");
    EXPECT_EQ(fileNamePart(u"samples/Fade/river.jpg"_s), u"river.jpg");
    EXPECT_EQ(fileNamePart(u"plain.au"_s), u"plain.au");
}

TEST_F(GeneratorTest, WorkedExampleOfTheCommonPart)
{
    support.set(CommonParameter::BackgroundColor);
    support.set(CommonParameter::ClickLink);
    common().setColor(u"BackgroundColor"_s, 0x400000);
    common().setText(u"Link"_s, u"index.html"_s);
    common().setText(u"Target"_s, u"_blank"_s);
    common().setText(u"StatusbarMessage"_s, u"not supported, not written"_s);

    const Outcome<Generation> result = run();
    ASSERT_TRUE(result.ok()) << result.message().toStdString();
    EXPECT_EQ(result->lines,
              (QStringList{u"<applet code=\"HexColor.class\" WIDTH=\"400\" HEIGHT=\"150\">"_s,
                           u"<param name=\"generator\" value=\"Morvane 1.5.4 - "_s +
                               makerHomePage() + u"\">"_s,
                           u"<param name=\"background_color\" value=\"#000040\">"_s,
                           u"<param name=\"link\" value=\"index.html\">"_s,
                           u"<param name=\"target\" value=\"_blank\">"_s,
                           u"Please activate Java..."_s, u"</applet>"_s}));
    EXPECT_TRUE(result->media.isEmpty());
}

class InvalidDimension : public GeneratorTest, public ::testing::WithParamInterface<QString> {};

TEST_P(InvalidDimension, IsRefusedBeforeAnythingElse)
{
    support.set(CommonParameter::BackgroundImage);
    common().setText(u"BackgroundImage"_s, u"missing.gif"_s);
    common().setText(u"Width"_s, GetParam());
    EXPECT_EQ(run().message(), u"Invalid width");
    common().setText(u"Width"_s, u"1"_s);
    common().setText(u"Height"_s, GetParam());
    EXPECT_EQ(run().message(), u"Invalid height");
}

INSTANTIATE_TEST_SUITE_P(Texts, InvalidDimension,
                         ::testing::Values(u"0"_s, u"-5"_s, u"abc"_s, u""_s, u"12abc"_s,
                                           u"99999999999"_s));

TEST_F(GeneratorTest, MediaFilesAreCheckedListedAndNamed)
{
    support = catalog::Support::all();
    common().setText(u"BackgroundImage"_s, touch(u"back.gif"_s));
    common().setText(u"OnloadSound"_s, touch(u"hello.au"_s));
    common().setText(u"OnclicSound"_s, u"hello.au"_s);
    const Outcome<Generation> result = run();
    ASSERT_TRUE(result.ok()) << result.message().toStdString();
    EXPECT_EQ(result->media, (QStringList{u"back.gif"_s, u"hello.au"_s, u"hello.au"_s}));
    EXPECT_TRUE(result->lines.contains(u"<param name=\"loop_sound\" value=\"no\">"_s));
    EXPECT_TRUE(result->lines.contains(u"<param name=\"clic_sound_name\" value=\"hello.au\">"_s));

    common().setText(u"OnmouseoverSound"_s, u"nowhere.au"_s);
    EXPECT_EQ(run().message(), u"Can't find the file: nowhere.au");
    common().setText(u"OnmouseoverSound"_s, u"bad\0name"_s);
    EXPECT_EQ(run().message(), u"Invalid on mouse over sound file name");
}

TEST_F(GeneratorTest, UnsupportedSectionsAreNeitherCheckedNorWritten)
{
    common().setText(u"BackgroundImage"_s, u"missing.gif"_s);
    common().setText(u"OnloadSound"_s, u"missing.au"_s);
    common().setText(u"Link"_s, u"x.html"_s);
    common().setFlag(u"OnmouseoverTextEnabled"_s, true);
    common().setText(u"OnmouseoverTextHeight"_s, u"0"_s);
    const Outcome<Generation> result = run();
    ASSERT_TRUE(result.ok()) << result.message().toStdString();
    EXPECT_EQ(result->lines.size(), 4);
}

TEST_F(GeneratorTest, MouseOverMessageHeightCheckedEvenWithoutText)
{
    support.set(CommonParameter::MouseOverMessage);
    common().setFlag(u"OnmouseoverTextEnabled"_s, true);
    common().setText(u"OnmouseoverTextHeight"_s, u"0"_s);
    EXPECT_EQ(run().message(), u"Invalid message height");

    common().setText(u"OnmouseoverTextHeight"_s, u"12"_s);
    Outcome<Generation> result = run();
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result->lines.size(), 4); // no text, no message lines

    common().setText(u"OnmouseoverText"_s, u"Hi"_s);
    common().setColor(u"OnmouseoverTextColor"_s, 0x0000FF);
    result = run();
    EXPECT_EQ(result->lines.mid(2, 3),
              (QStringList{u"<param name=\"enter_text\" value=\"Hi\">"_s,
                           u"<param name=\"enter_text_color\" value=\"#FF0000\">"_s,
                           u"<param name=\"enter_text_height\" value=\"12\">"_s}));
}

TEST_F(GeneratorTest, LinkWithoutTargetAndEmptyNoJavaText)
{
    support.set(CommonParameter::ClickLink);
    common().setText(u"Link"_s, u"a.html"_s);
    common().setText(u"NoJavaMessage"_s, QString());
    const Outcome<Generation> result = run();
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result->lines.mid(2),
              (QStringList{u"<param name=\"link\" value=\"a.html\">"_s, u"</applet>"_s}));
}

TEST_F(GeneratorTest, MouseOverColorOnlyWhenEnabled)
{
    support.set(CommonParameter::MouseOverColor);
    common().setColor(u"OnmouseoverBackgroundColor"_s, 0x00FF00);
    EXPECT_EQ(run()->lines.size(), 4);
    common().setFlag(u"OnmouseoverBackgroundColorEnabled"_s, true);
    EXPECT_TRUE(
        run()->lines.contains(u"<param name=\"enter_background_color\" value=\"#00FF00\">"_s));
}

TEST_F(GeneratorTest, RuntimeLineAndFileFollowTheClosedElementWhenAsked)
{
    support.set(CommonParameter::BackgroundImage);
    common().setText(u"BackgroundImage"_s, touch(u"back.gif"_s));
    const Outcome<Generation> plain = run();
    const Outcome<Generation> withRuntime =
        generateClosed({u"HexColor"_s, values, support, app.path(), true});
    ASSERT_TRUE(withRuntime.ok());
    // The sheet comes first, so that the applet holds its place before the deferred script runs.
    EXPECT_EQ(withRuntime->lines,
              QStringList{u"<link rel=\"stylesheet\" href=\"morvane-applets.css\">"_s} +
                  plain->lines +
                  QStringList{u"<script src=\"morvane-applets.js\" defer></script>"_s});
    EXPECT_EQ(withRuntime->media, plain->media + runtimeFilePaths(app.path(), u"HexColor"_s));
    EXPECT_EQ(withRuntime->media.mid(plain->media.size()),
              (QStringList{QDir(app.path()).filePath(u"runtime/morvane-applets.js"_s),
                           QDir(app.path()).filePath(u"runtime/morvane-applets.css"_s),
                           QDir(app.path()).filePath(u"runtime/morvane-applets-data.js"_s)}));

    // The preview copies the runtime beside its page like any needed file: the core fetches the
    // kind's file from beside itself.
    QDir(app.path()).mkpath(u"runtime"_s);
    touch(u"runtime/morvane-applets.js"_s);
    touch(u"runtime/morvane-applets.css"_s);
    touch(u"runtime/morvane-applets-data.js"_s);
    QDir(app.path()).mkpath(u"test"_s);
    const Outcome<QString> preview =
        preparePreview(app.path(), u"HexColor"_s, withRuntime->lines, withRuntime->media);
    ASSERT_TRUE(preview.ok()) << preview.message().toStdString();
    EXPECT_TRUE(QFile::exists(QDir(app.path()).filePath(u"test/morvane-applets.js"_s)));
    EXPECT_TRUE(QFile::exists(QDir(app.path()).filePath(u"test/morvane-applets.css"_s)));
    EXPECT_TRUE(QFile::exists(QDir(app.path()).filePath(u"test/morvane-applets-data.js"_s)));

    common().setText(u"Width"_s, u"0"_s);
    EXPECT_FALSE(generateClosed({u"HexColor"_s, values, support, app.path(), true}).ok());
}

// The table of kind files comes from the runtime's own sources: a kind of the catalog that no
// runtime module registers would leave its page without the code it fetches.
TEST(RuntimeFiles, EveryKindHasTheCoreItsSheetAndOneFileOfItsCode)
{
    QStringList missing;
    for (const QString& kind : catalog::kindNames()) {
        const QStringList paths = runtimeFilePaths(u"app"_s, kind);
        if (paths.size() != 3 || !paths.at(2).startsWith(u"app/runtime/morvane-applets-"_s) ||
            !paths.at(2).endsWith(u".js"_s)) {
            missing.append(kind + u": "_s + paths.join(u", "_s));
        }
    }
    EXPECT_TRUE(missing.isEmpty()) << missing.join(u'\n').toStdString();
    EXPECT_EQ(
        runtimeFilePaths(u"app"_s, u"NoSuchKind"_s),
        (QStringList{u"app/runtime/morvane-applets.js"_s, u"app/runtime/morvane-applets.css"_s}));
}

TEST(CloseApplet, WhoIsVisitorGetsNothing)
{
    Generation generation{{u"<script>"_s}, {}};
    closeApplet(generation, u"WhoIsVisitor"_s, u"Please activate Java..."_s);
    EXPECT_EQ(generation.lines, QStringList{u"<script>"_s});
}

} // namespace
