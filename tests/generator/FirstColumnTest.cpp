#include "generator/Generator.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace morvane;
using namespace morvane::generator;
using namespace Qt::StringLiterals;
using catalog::ListFileId;

namespace {

QString line(const QString& name, const QString& value)
{
    return u"<param name=\""_s + name + u"\" value=\""_s + value + u"\">"_s;
}

// Runs the kinds with no common parameter supported, so that a kind's own lines start at the
// third line, after the <applet> and "generator" lines.
class FirstColumnTest : public ::testing::Test {
protected:
    FirstColumnTest()
    {
        values.common().setText(u"Width"_s, u"300"_s);
        values.common().setText(u"Height"_s, u"200"_s);
    }
    settings::ValueSet& specific(const QString& kind) { return values.specific(kind); }
    QStringList& list(catalog::ListFileId file) { return values.list(file); }
    QString touch(const QString& name)
    {
        QFile file(QDir(app.path()).filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return name;
    }
    // Every field and list that a kind of this column requires, filled with valid values.
    void fillRequired(const QString& kind)
    {
        settings::ValueSet& set = specific(kind);
        for (const char16_t* key : {u"Text", u"ButtonText", u"ButtonLink", u"GraphTitle",
                                    u"XAxisLabel", u"YAxisLabel", u"LettersMap", u"Email"}) {
            set.setText(QString::fromUtf16(key), u"some text"_s);
        }
        set.setText(u"Image"_s, touch(u"pic.gif"_s));
        set.setText(u"DataFile"_s, touch(u"data.txt"_s));
        for (const ListFileId file :
             {ListFileId::FadeImages, ListFileId::ImageStreamImages, ListFileId::CropImagesImages,
              ListFileId::CropImages2Images, ListFileId::ImageViewerLocations}) {
            list(file) = QStringList{u"pic.gif"_s};
        }
        for (const ListFileId file : {ListFileId::CheckBoxLinkTexts, ListFileId::CheckBoxLinkLinks,
                                      ListFileId::ImageViewerNames}) {
            list(file) = QStringList{u"entry"_s};
        }
    }
    Outcome<Generation> run(const QString& kind)
    {
        return generate({kind, values, catalog::Support{}, app.path()});
    }
    // The kind's own lines; empty on failure.
    QStringList kindLines(const QString& kind)
    {
        const Outcome<Generation> result = run(kind);
        EXPECT_TRUE(result.ok()) << result.message().toStdString();
        return result.ok() ? result->lines.mid(2) : QStringList();
    }

    QTemporaryDir app;
    settings::WorkingCopy values;
};

TEST_F(FirstColumnTest, ButtonLinkInTableOrderWithOptionalSizes)
{
    settings::ValueSet& button = specific(u"ButtonLink"_s);
    button.setText(u"ButtonText"_s, u"Go"_s);
    button.setText(u"ButtonHeight"_s, u"30"_s);
    button.setText(u"ButtonLink"_s, u"next.html"_s);
    button.setColor(u"ButtonColor"_s, 0x0000FF);
    button.setText(u"ButtonTarget"_s, QString());
    EXPECT_EQ(kindLines(u"ButtonLink"_s),
              (QStringList{line(u"text"_s, u"Go"_s), line(u"button_height"_s, u"30"_s),
                           line(u"link"_s, u"next.html"_s), line(u"button_color"_s, u"#FF0000"_s),
                           line(u"target"_s, QString())}));
}

struct FieldCase {
    const char16_t* kind;
    const char16_t* key;
    const char16_t* value;
    const char16_t* expected; // the failure message, or the line written for the value
};

class RefusedField : public FirstColumnTest, public ::testing::WithParamInterface<FieldCase> {};

TEST_P(RefusedField, FailsWithItsOwnMessage)
{
    const QString kind = QString::fromUtf16(GetParam().kind);
    fillRequired(kind);
    specific(kind).setText(QString::fromUtf16(GetParam().key),
                           QString::fromUtf16(GetParam().value));
    const Outcome<Generation> result = run(kind);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.message(), QString::fromUtf16(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Values, RefusedField,
    ::testing::Values(
        FieldCase{u"ButtonLink", u"ButtonWidth", u"0", u"Invalid width"},
        FieldCase{u"ButtonLink", u"ButtonText", u"", u"You must specify a button name"},
        FieldCase{u"ButtonLink", u"ButtonLink", u"", u"You must specify a link"},
        FieldCase{u"ImageExtend", u"TopLeftStep", u"x", u"Invalid top left step"},
        FieldCase{u"ImageExtend", u"BottomLeftCorner", u"-3", u"Invalid bottom left corner"},
        FieldCase{u"CyclingColorsText", u"TextHeightOffset", u"0", u"Invalid text height offset"},
        FieldCase{u"DateText", u"TextHeight", u"-1", u"Invalid height text"},
        FieldCase{u"CropImages", u"StripsWidth", u"0", u"Invalid strip width"},
        FieldCase{u"CropImages2", u"Pause2", u"0", u"Invalid 100% pause"},
        FieldCase{u"Fade", u"FramesNumber", u"abc", u"Invalid frames number"},
        FieldCase{u"ImageViewer", u"Pause2", u"0", u"Invalid delay"},
        FieldCase{u"ImageConvex", u"ConvexityStep", u"0", u"Invalid convex step"},
        FieldCase{u"ImageLight", u"LightRadiusStep", u"0", u"Invalid radius step"},
        FieldCase{u"ImageWhirl", u"AngleStep", u"0", u"Invalid angle step"},
        FieldCase{u"Deformation", u"Image", u"", u"You must specify an image name"},
        FieldCase{u"ImagePointer", u"Image", u"gone.gif", u"Can't find the file: gone.gif"},
        FieldCase{u"FontImageScrolling", u"Image", u"", u"You must specify a letters image"},
        FieldCase{u"FontImageScrolling", u"LettersMap", u"", u"You must specify a letters map"},
        FieldCase{u"Graph", u"YAxisLabel", u"", u"You must specify a Y axis label text"},
        FieldCase{u"Graph", u"DataFile", u"", u"You must specify a data file"},
        FieldCase{u"GuestBook", u"Email", u"", u"You must specify an email name"}));

class AcceptedField : public FirstColumnTest, public ::testing::WithParamInterface<FieldCase> {};

TEST_P(AcceptedField, IsWrittenAsTyped)
{
    const QString kind = QString::fromUtf16(GetParam().kind);
    fillRequired(kind);
    specific(kind).setText(QString::fromUtf16(GetParam().key),
                           QString::fromUtf16(GetParam().value));
    EXPECT_TRUE(kindLines(kind).contains(QString::fromUtf16(GetParam().expected)));
}

INSTANTIATE_TEST_SUITE_P(
    Values, AcceptedField,
    ::testing::Values(FieldCase{u"ImageExtend", u"TopLeftStep", u"-3",
                                u"<param name=\"topLeftStep\" value=\"-3\">"},
                      FieldCase{u"ImageExtend", u"BottomRightStep", u"0",
                                u"<param name=\"bottomRightStep\" value=\"0\">"},
                      FieldCase{u"Graph", u"XMin", u"abc", u"<param name=\"xmin\" value=\"abc\">"},
                      FieldCase{u"ImageConvex2", u"Radius", u"007",
                                u"<param name=\"radius\" value=\"007\">"},
                      FieldCase{u"Deformation", u"Image", u"pic.gif",
                                u"<param name=\"sprite\" value=\"pic.gif\">"}));

TEST_F(FirstColumnTest, CheckBoxLinkNamesOnlyUncheckedItemsOfThoseShown)
{
    list(ListFileId::CheckBoxLinkTexts) = {u"A"_s, u"B"_s, u"C"_s};
    list(ListFileId::CheckBoxLinkLinks) = {u"a.html"_s, u"b.html"_s, u"c.html"_s};
    list(ListFileId::CheckBoxLinkStates) = {u"yes"_s, u"no"_s, u"yes"_s, u"no"_s};
    specific(u"CheckBoxLink"_s).setText(u"CheckBoxLinkTarget"_s, u"_blank"_s);
    EXPECT_EQ(
        kindLines(u"CheckBoxLink"_s),
        (QStringList{line(u"text1"_s, u"A"_s), line(u"text2"_s, u"B"_s), line(u"text3"_s, u"C"_s),
                     line(u"number"_s, u"3"_s), line(u"link1"_s, u"a.html"_s),
                     line(u"link2"_s, u"b.html"_s), line(u"link3"_s, u"c.html"_s),
                     line(u"checked2"_s, u"no"_s), line(u"target"_s, u"_blank"_s)}));

    list(ListFileId::CheckBoxLinkStates) = {u"no"_s};
    EXPECT_EQ(kindLines(u"CheckBoxLink"_s).filter(u"checked"_s),
              QStringList{line(u"checked1"_s, u"no"_s)});

    list(ListFileId::CheckBoxLinkLinks).clear();
    EXPECT_EQ(run(u"CheckBoxLink"_s).message(),
              u"You must add at least at least a text and a link");
}

TEST_F(FirstColumnTest, GuestBookWritesOnlyFilledLabelsAndAlwaysListsItsFile)
{
    specific(u"GuestBook"_s).setText(u"Email"_s, u"me@example.org"_s);
    Outcome<Generation> result = run(u"GuestBook"_s);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result->lines.mid(2), QStringList{line(u"email"_s, u"me@example.org"_s)});
    EXPECT_EQ(result->media, QStringList{u"samples/GuestBook/guestbook.txt"_s});

    specific(u"GuestBook"_s).setText(u"MessageBoxLabel"_s, u"Your words"_s);
    specific(u"GuestBook"_s).setText(u"MessageBoxSentLabel"_s, u"Thanks!"_s);
    specific(u"GuestBook"_s).setText(u"NoMessageLabel"_s, u"Empty"_s);
    EXPECT_EQ(kindLines(u"GuestBook"_s),
              (QStringList{line(u"email"_s, u"me@example.org"_s), line(u"text3"_s, u"Your words"_s),
                           line(u"text5"_s, u"Thanks!"_s), line(u"none"_s, u"Empty"_s)}));
}

TEST_F(FirstColumnTest, ImageViewerChecksNamesBeforePaths)
{
    list(ListFileId::ImageViewerLocations) = {u"missing.gif"_s};
    EXPECT_EQ(run(u"ImageViewer"_s).message(),
              u"You must add at least at least an image and an image name");

    list(ListFileId::ImageViewerNames) = {u"River"_s};
    EXPECT_EQ(run(u"ImageViewer"_s).message(), u"Can't find the file: missing.gif");

    list(ListFileId::ImageViewerLocations) = {touch(u"river.jpg"_s)};
    specific(u"ImageViewer"_s).setChoice(u"Radio10Index"_s, 0);
    specific(u"ImageViewer"_s).setText(u"PlayLabel"_s, u"Play"_s);
    const Outcome<Generation> result = run(u"ImageViewer"_s);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result->lines.mid(2),
              (QStringList{line(u"play_label"_s, u"Play"_s), line(u"image_name1"_s, u"River"_s),
                           line(u"image1"_s, u"river.jpg"_s), line(u"auto_slide"_s, u"1"_s)}));
    EXPECT_EQ(result->media, QStringList{u"river.jpg"_s});
}

TEST_F(FirstColumnTest, RadioGroupsWithoutSelectionTakeTheOtherValue)
{
    fillRequired(u"FontImageScrolling"_s);
    EXPECT_EQ(kindLines(u"FontImageScrolling"_s).last(), line(u"direction"_s, u"right"_s));
    specific(u"FontImageScrolling"_s).setChoice(u"Radio13Index"_s, 0);
    EXPECT_EQ(kindLines(u"FontImageScrolling"_s).last(), line(u"direction"_s, u"left"_s));

    fillRequired(u"ImagePointer"_s);
    specific(u"ImagePointer"_s).setChoice(u"Radio9Index"_s, 1);
    EXPECT_EQ(kindLines(u"ImagePointer"_s).last(), line(u"out_visible"_s, u"no"_s));
}

TEST_F(FirstColumnTest, ImageListsAreCountedAndStopAtTheFirstMissingImage)
{
    fillRequired(u"Fade"_s);
    list(ListFileId::FadeImages) = {touch(u"one.gif"_s), touch(u"two.gif"_s)};
    specific(u"Fade"_s).setText(u"Pause"_s, u"40"_s);
    const Outcome<Generation> result = run(u"Fade"_s);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result->lines.mid(2),
              (QStringList{line(u"pause"_s, u"40"_s), line(u"image1"_s, u"one.gif"_s),
                           line(u"image2"_s, u"two.gif"_s), line(u"image_number"_s, u"2"_s)}));

    list(ListFileId::FadeImages).insert(1, u"lost.gif"_s);
    EXPECT_EQ(run(u"Fade"_s).message(), u"Can't find the file: lost.gif");
    list(ListFileId::FadeImages).clear();
    EXPECT_EQ(run(u"Fade"_s).message(), u"You must add at least an image name");
}

} // namespace
