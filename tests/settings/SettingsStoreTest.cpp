#include "settings/SettingsStore.h"
#include "settings/ListFiles.h"
#include "settings/Profile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace morvane;
using namespace morvane::settings;
using namespace Qt::StringLiterals;
using catalog::ListFileId;

namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    void writeIni(const QString& text)
    {
        QFile file(profilePath(app.path()));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
    }
    void writeList(const QString& name, const QByteArray& bytes)
    {
        QDir(app.path()).mkpath(u"cfg"_s);
        QFile file(listFilePath(app.path(), name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray readList(const QString& name)
    {
        QFile file(listFilePath(app.path(), name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    Profile ini() const { return Profile::load(profilePath(app.path()), app.path()).valueOr({}); }
    Outcome<KindLoad> load(const QString& kind) { return loadKind(app.path(), kind, copy); }
    Result save(const QString& kind) { return saveKind(app.path(), kind, copy); }

    QTemporaryDir app;
    WorkingCopy copy;
};

TEST_F(SettingsStoreTest, CommonKeysAbsentPresentAndEmpty)
{
    writeIni(u"[Stars]\nWidth=400\nHeight=150\nBackgroundColor=\nLink=n\nTarget=_blank\n"
             u"OnmouseoverText=hello\nOnmouseoverTextEnabled=Yes\n"_s);
    copy.common().setText(u"OnloadSound"_s, u"left over"_s);
    ASSERT_TRUE(load(u"Stars"_s).ok());

    const ValueSet& common = copy.common();
    EXPECT_EQ(common.text(u"Width"_s), u"400");
    EXPECT_EQ(common.color(u"BackgroundColor"_s), 0u);             // present but empty: black
    EXPECT_EQ(common.color(u"OnmouseoverTextColor"_s), 16777215u); // absent: white
    EXPECT_EQ(common.text(u"Link"_s), u"");                        // "n" is the absent marker
    EXPECT_EQ(common.text(u"Target"_s), u"_blank");
    EXPECT_EQ(common.text(u"OnloadSound"_s), u"");          // every common field is set
    EXPECT_FALSE(common.flag(u"OnmouseoverTextEnabled"_s)); // only "yes" checks
    EXPECT_EQ(common.text(u"NoJavaMessage"_s), u"");
}

TEST_F(SettingsStoreTest, SaveWritesOnlyTheCommonKeysTheSectionHolds)
{
    writeIni(u"[Stars]\nBackgroundColor=\nLink=index.html\nTarget=n\n"_s);
    ASSERT_TRUE(load(u"Stars"_s).ok());
    copy.common().setColor(u"BackgroundColor"_s, 0x400000);
    copy.common().setText(u"OnloadSound"_s, u"boom.au"_s);
    copy.common().setText(u"Target"_s, u"_top"_s);
    ASSERT_TRUE(save(u"Stars"_s).ok);

    const Profile saved = ini();
    EXPECT_EQ(saved.read(u"Stars"_s, u"BackgroundColor"_s, {}), u"4194304");
    EXPECT_EQ(saved.read(u"Stars"_s, u"Link"_s, {}), u"index.html");
    EXPECT_EQ(saved.read(u"Stars"_s, u"Target"_s, {}), u"n"); // companion tested by itself
    EXPECT_FALSE(saved.contains(u"Stars"_s, u"OnloadSound"_s));
    for (const char16_t* key : {u"Width", u"Height", u"NoJavaMessage"}) {
        EXPECT_TRUE(saved.contains(u"Stars"_s, QString::fromUtf16(key)));
    }
    EXPECT_EQ(saved.read(u"Stars"_s, u"StarsNumber"_s, u"<absent>"_s), u"");
    EXPECT_EQ(saved.read(u"Stars"_s, u"Color"_s, {}), u"16777215");
}

TEST_F(SettingsStoreTest, ACommonValueOfNStaysPresent)
{
    writeIni(u"[Stars]\nLink=index.html\n"_s);
    ASSERT_TRUE(load(u"Stars"_s).ok());
    copy.common().setText(u"Link"_s, u"n"_s);
    copy.common().setText(u"Width"_s, u"n"_s);
    ASSERT_TRUE(save(u"Stars"_s).ok);

    WorkingCopy reloaded;
    const Outcome<KindLoad> again = loadKind(app.path(), u"Stars"_s, reloaded);
    ASSERT_TRUE(again.ok());
    EXPECT_EQ(reloaded.common().text(u"Link"_s), u"n");
    EXPECT_EQ(reloaded.common().text(u"Width"_s), u"n");
    EXPECT_TRUE(again->support.has(catalog::CommonParameter::ClickLink));
}

TEST_F(SettingsStoreTest, SpecificDefaultsClampingAndFlags)
{
    writeIni(u"[TicTacToe]\nRadio1Index=7\n[Table]\nRadio16Index=-3\nAlternated=true\n"
             u"BorderColor=abc\n[Polygons]\nRadio6Index=x\n"_s);
    ASSERT_TRUE(load(u"TicTacToe"_s).ok());
    ASSERT_TRUE(load(u"Table"_s).ok());
    ASSERT_TRUE(load(u"Polygons"_s).ok());

    const ValueSet& tic = copy.specific(u"TicTacToe"_s);
    EXPECT_EQ(tic.choice(u"Radio1Index"_s), 2); // past the last button: the last one
    EXPECT_EQ(tic.choice(u"Radio2Index"_s), 1); // default "1"
    EXPECT_EQ(tic.color(u"Color"_s), 0u);
    const ValueSet& table = copy.specific(u"Table"_s);
    EXPECT_EQ(table.choice(u"Radio16Index"_s), kNoChoice);
    EXPECT_FALSE(table.flag(u"Alternated"_s));
    EXPECT_EQ(table.color(u"BorderColor"_s), 16777215u); // not an integer: the default
    EXPECT_EQ(copy.specific(u"Polygons"_s).choice(u"Radio6Index"_s), 0);

    ASSERT_TRUE(save(u"Table"_s).ok);
    EXPECT_EQ(ini().read(u"Table"_s, u"Alternated"_s, {}), u"no");
    EXPECT_EQ(ini().read(u"Table"_s, u"Radio16Index"_s, {}), u"-1");
    ASSERT_TRUE(save(u"TicTacToe"_s).ok);
    EXPECT_EQ(ini().read(u"TicTacToe"_s, u"Radio1Index"_s, {}), u"2");
}

TEST_F(SettingsStoreTest, SameKindSavedAndLoadedBackIsUnchanged)
{
    writeIni(u"[ListLink]\nWidth=200\nBackgroundColor=255\nOnloadSound=a.au\nLoop=yes\n"_s);
    writeList(u"TextList.txt"_s, "Home\r\nNews");
    writeList(u"LinkList.txt"_s, "index.html\r\nnews.html\r\n");
    ASSERT_TRUE(load(u"ListLink"_s).ok());
    const WorkingCopy before = copy;
    ASSERT_TRUE(save(u"ListLink"_s).ok);
    ASSERT_TRUE(load(u"ListLink"_s).ok());
    EXPECT_EQ(copy, before);
    EXPECT_EQ(readList(u"TextList.txt"_s), QByteArray("Home\r\nNews\r\n"));
}

TEST_F(SettingsStoreTest, ShortParallelListsArePaddedAndMissingFilesAreEmpty)
{
    writeList(u"LoginList4.txt"_s, "ann\r\nbob\r\ncid\r\n");
    writeList(u"PasswordList4.txt"_s, "pw1\r\n");
    ASSERT_TRUE(load(u"LoginBox"_s).ok());
    EXPECT_EQ(copy.list(ListFileId::LoginBoxPasswords), (QStringList{u"pw1"_s, u""_s, u""_s}));
    EXPECT_EQ(copy.list(ListFileId::LoginBoxLinks).size(), 3);
}

TEST_F(SettingsStoreTest, GuestBookSentLabelHasItsOwnKeyAndFallsBack)
{
    writeIni(u"[GuestBook]\nMessageBoxLabel=your message...\n"_s);
    ASSERT_TRUE(load(u"GuestBook"_s).ok());
    EXPECT_EQ(copy.specific(u"GuestBook"_s).text(u"MessageBoxSentLabel"_s), u"your message...");
    copy.specific(u"GuestBook"_s).setText(u"MessageBoxSentLabel"_s, u"sent !!"_s);
    ASSERT_TRUE(save(u"GuestBook"_s).ok);
    ASSERT_TRUE(load(u"GuestBook"_s).ok());
    EXPECT_EQ(copy.specific(u"GuestBook"_s).text(u"MessageBoxLabel"_s), u"your message...");
    EXPECT_EQ(copy.specific(u"GuestBook"_s).text(u"MessageBoxSentLabel"_s), u"sent !!");
}

TEST_F(SettingsStoreTest, FailedLoadLeavesTheWorkingCopyUntouched)
{
    writeIni(u"[Fade]\nPause=10\n"_s);
    QDir(app.path()).mkpath(u"cfg/ListBox1.txt"_s); // a folder where the list file should be
    copy.specific(u"Fade"_s).setText(u"Pause"_s, u"old"_s);
    copy.common().setText(u"Width"_s, u"123"_s);
    const WorkingCopy before = copy;
    EXPECT_FALSE(load(u"Fade"_s).ok());
    EXPECT_EQ(copy, before);
}

TEST_F(SettingsStoreTest, MissingFileGivesDefaultsAndSaveCreatesFileAndCfg)
{
    const Outcome<KindLoad> loaded = load(u"Zoom"_s);
    ASSERT_TRUE(loaded.ok());
    EXPECT_FALSE(loaded->support.has(catalog::CommonParameter::BackgroundColor));
    copy.list(ListFileId::ZoomImages) = QStringList{u"a.jpg"_s};
    ASSERT_TRUE(save(u"Zoom"_s).ok);
    EXPECT_EQ(readList(u"ListBox3.txt"_s), QByteArray("a.jpg\r\n"));
    EXPECT_TRUE(ini().contains(u"Zoom"_s, u"Pause2"_s));
    EXPECT_TRUE(saveKind(app.path(), QString(), copy).ok); // no current kind: nothing
}

TEST_F(SettingsStoreTest, OtherKindsKeepTheirSpecificValuesAcrossLoads)
{
    writeIni(u"[Fade]\nPause=10\nWidth=1\n[Zoom]\nPause=20\nWidth=2\n"_s);
    ASSERT_TRUE(load(u"Fade"_s).ok());
    ASSERT_TRUE(load(u"Zoom"_s).ok());
    EXPECT_EQ(copy.specific(u"Fade"_s).text(u"Pause"_s), u"10");
    EXPECT_EQ(copy.specific(u"Zoom"_s).text(u"Pause"_s), u"20");
    EXPECT_EQ(copy.common().text(u"Width"_s), u"2");
}

} // namespace
