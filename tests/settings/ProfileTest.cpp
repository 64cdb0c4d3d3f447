#include "settings/Profile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace morvane::settings;
using namespace Qt::StringLiterals;

namespace {

TEST(Profile, ReadsWithoutRegardToCaseAndStripsBlanksAndOnePairOfQuotes)
{
    const Profile ini = Profile::fromText(u"[Stars]\r\n"
                                          u"Pause =  50  \r\n"
                                          u"Text=\"  spaced  \"\r\n"
                                          u"Quoted=\"\"twice\"\"\n"
                                          u"Half=\"open\r"
                                          u"Empty=\n"
                                          u"[stars]\n"
                                          u"Pause=99\n"_s);
    EXPECT_EQ(ini.read(u"STARS"_s, u"pause"_s, u"d"_s), u"50");
    EXPECT_EQ(ini.read(u"Stars"_s, u"Text"_s, u"d"_s), u"  spaced  ");
    EXPECT_EQ(ini.read(u"Stars"_s, u"Quoted"_s, u"d"_s), u"\"twice\"");
    EXPECT_EQ(ini.read(u"Stars"_s, u"Half"_s, u"d"_s), u"\"open");
    EXPECT_EQ(ini.read(u"Stars"_s, u"Empty"_s, u"d"_s), u"");
    EXPECT_EQ(ini.read(u"Stars"_s, u"Missing"_s, u"d"_s), u"d");
    EXPECT_EQ(ini.read(u"Zoom"_s, u"Pause"_s, u"d"_s), u"d");
    EXPECT_EQ(ini.rawValue(u"Stars"_s, u"Text"_s), u"\"  spaced  \"");
}

TEST(Profile, WritesInPlaceOrAppendsToTheSection)
{
    Profile ini = Profile::fromText(u"; shipped\r\n[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n"_s);
    ini.write(u"a"_s, u"X"_s, u"10"_s);
    ini.write(u"A"_s, u"z"_s, u"3"_s);
    ini.write(u"C"_s, u"w"_s, u"4"_s);
    EXPECT_EQ(ini.toText(),
              u"; shipped\r\n[A]\r\nx=10\r\nz=3\r\n\r\n[B]\r\ny=2\r\n[C]\r\nw=4\r\n"_s);
}

TEST(Profile, KeysAddedToSectionsInAnyOrderLandAtTheEndOfTheirOwnSection)
{
    Profile ini = Profile::fromText(u"[A]\r\nx=1\r\n; note\r\n[a]\r\nhidden=1\r\n[É]\r\ne=1"_s);
    ini.write(u"C"_s, u"c1"_s, u"1"_s);
    ini.write(u"A"_s, u"y"_s, u"2"_s);
    ini.write(u"D"_s, u"d1"_s, u"1"_s);
    ini.write(u"c"_s, u"c2"_s, u"2"_s);
    ini.write(u"é"_s, u"E"_s, u"2"_s);
    ini.write(u"A"_s, u"Y"_s, u"3"_s);
    EXPECT_EQ(ini.toText(), u"[A]\r\nx=1\r\ny=3\r\n; note\r\n[a]\r\nhidden=1\r\n[É]\r\ne=2\r\n"
                            "[C]\r\nc1=1\r\nc2=2\r\n[D]\r\nd1=1\r\n"_s);
    EXPECT_EQ(ini.read(u"a"_s, u"hidden"_s, u"<repeated section>"_s), u"<repeated section>");

    // Thousands of sections, each found again.
    QString text;
    for (int i = 0; i < 20000; ++i) {
        text += u"[S"_s + QString::number(i) + u"]\r\nk=v"_s + QString::number(i) + u"\r\n"_s;
    }
    Profile many = Profile::fromText(text);
    for (int i = 0; i < 20000; i += 7) {
        ASSERT_EQ(many.read(u"s"_s + QString::number(i), u"K"_s, {}), u"v"_s + QString::number(i));
    }
    many.write(u"S19999"_s, u"k2"_s, u"x"_s);
    EXPECT_TRUE(many.toText().endsWith(u"[S19999]\r\nk=v19999\r\nk2=x\r\n"));
}

class ProfileRoundTrip : public ::testing::TestWithParam<QString> {};

TEST_P(ProfileRoundTrip, AwkwardValuesReadBackUnchanged)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"morvane.ini"_s);
    Profile ini;
    ini.write(u"Kind"_s, u"Key"_s, GetParam(), u"n"_s);
    ASSERT_TRUE(ini.save(path, {}).ok);

    const Profile loaded = Profile::load(path, {}).valueOr({});
    EXPECT_EQ(loaded.read(u"Kind"_s, u"Key"_s, u"<absent>"_s), GetParam());
    EXPECT_NE(loaded.rawValue(u"Kind"_s, u"Key"_s), u"n") << "an 'n' must stay distinguishable";
}

INSTANTIATE_TEST_SUITE_P(Values, ProfileRoundTrip,
                         ::testing::Values(u""_s, u"  leading"_s, u"trailing\t"_s, u"\"quoted\""_s,
                                           u"\""_s, u"a \"middle\" quote"_s, u"n"_s, u"N"_s,
                                           u"x=y;z"_s, u"[not a section]"_s, u"éàü — ∑ 漢字"_s,
                                           QString(5000, u'x')));

TEST(Profile, LineBreaksNeverReachTheFile)
{
    Profile ini;
    ini.write(u"K"_s, u"Text"_s, u"one\r\ntwo\nthree"_s);
    EXPECT_EQ(ini.read(u"K"_s, u"Text"_s, {}), u"one  two three");
    EXPECT_EQ(ini.toText().count(u'\n'), 2);
}

TEST(Profile, NonUtf8FileIsReadAsWindows1252)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"old.ini"_s);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[A]\r\nText=caf\xe9 \x80\x93\r\n");
    file.close();
    EXPECT_EQ(Profile::load(path, {}).valueOr({}).read(u"A"_s, u"Text"_s, {}), u"café €\u201C");
}

TEST(Profile, MissingFileIsEmptyAndSaveCreatesIt)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"new.ini"_s);
    morvane::Outcome<Profile> loaded = Profile::load(path, {});
    ASSERT_TRUE(loaded.ok());
    Profile& ini = loaded.value();
    ini.write(u"A"_s, u"k"_s, u"v"_s);
    ASSERT_TRUE(ini.save(path, {}).ok);
    EXPECT_EQ(Profile::load(path, {}).valueOr({}).read(u"A"_s, u"k"_s, {}), u"v");
}

TEST(Profile, FailedSaveLeavesTheOldFileWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"missing-folder/morvane.ini"_s);
    Profile ini;
    ini.write(u"A"_s, u"k"_s, u"v"_s);
    const morvane::Result result = ini.save(path, {});
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.message.contains(path));
}

} // namespace
