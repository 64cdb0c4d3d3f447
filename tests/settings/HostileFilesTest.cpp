// Settings files a user or another program may leave behind: mixed encodings, NULs, devices,
// pipes, very deep trees, interrupted saves.
#include "TestFiles.h"
#include "generator/GenerationContext.h"
#include "generator/Generator.h"
#include "generator/Writers.h"
#include "generator/kinds/OtherColumnsSteps.h"
#include "settings/AtomicFile.h"
#include "settings/ListFiles.h"
#include "settings/MenuTree.h"
#include "settings/Options.h"
#include "settings/Profile.h"
#include "settings/SaveJournal.h"
#include "settings/SettingsStore.h"
#include "settings/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace morvane;
using namespace morvane::settings;
using namespace Qt::StringLiterals;
using catalog::ListFileId;

namespace {

class HostileFiles : public ::testing::Test {
protected:
    void write(const QString& relativePath, const QByteArray& bytes)
    {
        morvane::test::writeTestFile(app.filePath(relativePath), bytes);
    }
    QByteArray read(const QString& relativePath)
    {
        return morvane::test::readTestFile(app.filePath(relativePath));
    }
    Outcome<KindLoad> load(const QString& kind) { return loadKind(app.path(), kind, copy); }

    QTemporaryDir app;
    WorkingCopy copy;
};

TEST(MixedEncodings, EachLineIsDecodedOnItsOwn)
{
    EXPECT_EQ(decodeText("caf\xc3\xa9\r\ncaf\xe9 \x80\r\n\xe2\x82\xac"), u"café\r\ncafé €\r\n€"_s);
    EXPECT_EQ(decodeText("\xef\xbb\xbfok\ncaf\xe9"), u"ok\ncafé"_s);
    // A text that begins with the byte-order mark character keeps it through a save.
    EXPECT_EQ(decodeText(encodeText(u"\uFEFFx"_s)), u"\uFEFFx"_s);
}

TEST_F(HostileFiles, OneStrayByteCostsOnlyItsLineAndASaveKeepsTheRest)
{
    write(u"morvane.ini"_s, "[Stars]\r\nWidth=300\r\nNoJavaMessage=Déjà vu\r\n"
                            "Height=\xff\r\n");
    ASSERT_TRUE(load(u"Stars"_s).ok());
    EXPECT_EQ(copy.common().text(u"NoJavaMessage"_s), u"Déjà vu");
    EXPECT_EQ(copy.common().text(u"Height"_s), u"ÿ");
    ASSERT_TRUE(saveKind(app.path(), u"Stars"_s, copy).ok);
    EXPECT_TRUE(read(u"morvane.ini"_s).contains("NoJavaMessage=D\xc3\xa9j\xc3\xa0 vu\r\n"));
}

TEST_F(HostileFiles, ANulMakesAColorOrChoiceTheDefaultAndIsRefusedByTheGenerator)
{
    write(u"morvane.ini"_s, QByteArray("[Stars]\r\nBackgroundColor=12\0"
                                       "34\r\n"
                                       "Width=2\0"
                                       "00\r\nHeight=100\r\n",
                                       52));
    ASSERT_TRUE(load(u"Stars"_s).ok());
    EXPECT_EQ(copy.common().color(u"BackgroundColor"_s), 0u); // the key's default, not 12
    const Outcome<generator::Generation> generated =
        generator::generate({u"Stars"_s, copy, {}, app.path()});
    EXPECT_FALSE(generated.ok());
    EXPECT_EQ(generated.message(), u"Invalid width");
}

TEST(NulInValues, IntegersTextsListsAndMenusAreRefusedWithTheirMessages)
{
    WorkingCopy values;
    const generator::GenerationInput input{u"Stars"_s, values, {}, QString()};
    const QString nul = u"2"_s + QChar(0) + u"00"_s;
    const auto failure = [&](const std::function<bool(generator::GenerationContext&)>& write) {
        generator::GenerationContext ctx(input);
        const bool ok = write(ctx);
        return ok ? u"<accepted>"_s : ctx.finish(false).message();
    };
    EXPECT_EQ(
        failure([&](auto& ctx) { return writeInteger(ctx, u"p"_s, nul, u"Invalid pause"_s); }),
        u"Invalid pause");
    EXPECT_EQ(failure([&](auto& ctx) {
                  return writeText(ctx, u"p"_s, nul, u"a text"_s, generator::Requirement::Optional);
              }),
              u"You must specify a text");
    EXPECT_EQ(failure([&](auto& ctx) {
                  return writeTextList(ctx, u"text"_s, {u"ok"_s, nul}, u"a line"_s, u"count"_s);
              }),
              u"You must add at least a line");
    WorkingCopy logins;
    logins.list(ListFileId::LoginBoxLogins) = QStringList{nul};
    logins.list(ListFileId::LoginBoxPasswords) = QStringList{u"pw"_s};
    const generator::GenerationInput loginBox{u"LoginBox"_s, logins, {}, QString()};
    generator::GenerationContext loginCtx(loginBox);
    EXPECT_FALSE(generator::writeLoginPasswordFile(loginCtx));
    EXPECT_EQ(loginCtx.finish(false).message(),
              u"You must add at least a login, a password and a link");
    const MenuTree menu{{TreeNode{u"Root"_s, {TreeNode{nul, {}}}}}};
    EXPECT_EQ(failure([&](auto& ctx) { return writeMenuHierarchy(ctx, menu); }),
              u"You must add at least an item in the menu hierarchy");
}

TEST_F(HostileFiles, DevicesAndPipesAreRefusedWithTheFileNamed)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(app.filePath(u"morvane.ini"_s)).constData(), 0600), 0);
    Outcome<KindLoad> loaded = load(u"Stars"_s);
    EXPECT_FALSE(loaded.ok());
    EXPECT_EQ(loaded.message(), u"Can't read the file: "_s + app.filePath(u"morvane.ini"_s) +
                                    u" (not a regular file)");

    QFile::remove(app.filePath(u"morvane.ini"_s));
    QDir(app.path()).mkpath(u"cfg"_s);
    const QString fifo = listFilePath(app.path(), u"LoginList4.txt"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    copy.specific(u"LoginBox"_s).setText(u"LoginText"_s, u"kept"_s);
    const WorkingCopy before = copy;
    loaded = load(u"LoginBox"_s);
    EXPECT_FALSE(loaded.ok());
    EXPECT_EQ(loaded.message(), u"Can't read the file: "_s + fifo + u" (not a regular file)");
    EXPECT_EQ(copy, before);
}

TEST_F(HostileFiles, AFileOverTheSizeCapIsRefused)
{
    write(u"morvane.ini"_s, QByteArray());
    ASSERT_TRUE(QFile::resize(app.filePath(u"morvane.ini"_s), kMaxTextFileSize + 1));
    const Outcome<KindLoad> loaded = load(u"Stars"_s);
    EXPECT_FALSE(loaded.ok());
    EXPECT_TRUE(loaded.message().endsWith(u"(larger than 64 MB)"))
        << loaded.message().toStdString();
}

TEST_F(HostileFiles, ASaveThatWouldNotLoadBackIsRefusedBeforeAnythingIsWritten)
{
    // Just under the cap with LF line ends; CR LF would take it over.
    QByteArray lines;
    const QByteArray line = QByteArray(999, 'a') + '\n';
    while (lines.size() + line.size() <= kMaxTextFileSize) {
        lines += line;
    }
    write(u"cfg/ListBox1.txt"_s, lines);
    write(u"morvane.ini"_s, "[Fade]\r\n");
    ASSERT_TRUE(load(u"Fade"_s).ok());
    const Result saved = saveKind(app.path(), u"Fade"_s, copy);
    EXPECT_EQ(saved.message, u"Can't write the file: "_s +
                                 listFilePath(app.path(), u"ListBox1.txt"_s) +
                                 u" (larger than 64 MB)");
    EXPECT_EQ(read(u"cfg/ListBox1.txt"_s), lines);
    EXPECT_EQ(read(u"morvane.ini"_s), "[Fade]\r\n");
    EXPECT_TRUE(load(u"Fade"_s).ok());
}

TEST_F(HostileFiles, ParallelListsOfDifferentLengthsAreLoadedPaddedAndTold)
{
    write(u"cfg/LoginList4.txt"_s, "ann\r\nbob\r\n");
    write(u"cfg/PasswordList4.txt"_s, "pw1\r\n");
    write(u"cfg/LinkList4.txt"_s, "a.html\r\nb.html\r\nc.html\r\n");
    const Outcome<KindLoad> loaded = load(u"LoginBox"_s);
    ASSERT_TRUE(loaded.ok());
    EXPECT_EQ(loaded->notice,
              u"The item lists of LoginBox do not have the same length (LoginList4.txt: 2, "
              "PasswordList4.txt: 1, LinkList4.txt: 3). The missing entries are shown empty; "
              "check the items before generating the HTML code."_s);
    EXPECT_EQ(copy.list(ListFileId::LoginBoxPasswords), (QStringList{u"pw1"_s, u""_s}));

    write(u"cfg/PasswordList4.txt"_s, "pw1\r\npw2\r\n");
    write(u"cfg/LinkList4.txt"_s, "a.html\r\nb.html\r\n");
    EXPECT_TRUE(load(u"LoginBox"_s)->notice.isEmpty());
}

TEST_F(HostileFiles, ATenThousandLevelTreeLoadsCutToTheDepthLimitAndSavesBack)
{
    QByteArray lines;
    for (int depth = 0; depth < 10000; ++depth) {
        lines += QByteArray(depth, '\t') + "level" + QByteArray::number(depth) + "\r\n";
    }
    write(u"cfg/TreeView2.txt"_s, lines);
    const Outcome<KindLoad> loaded = load(u"MenuPopUp"_s);
    ASSERT_TRUE(loaded.ok());
    EXPECT_EQ(loaded->notice, u"The menu tree in TreeView2.txt is nested deeper than 1000 levels; "
                              "its deepest items were kept at level 1000."_s);

    const MenuTree tree = copy.tree(ListFileId::MenuPopUpTree);
    qsizetype depth = 0;
    const TreeNode* node = tree.root();
    while (!node->children.empty()) {
        node = &node->children.back();
        ++depth;
    }
    EXPECT_EQ(depth, kMaxTreeDepth);
    EXPECT_EQ(node->text, u"level9999");
    EXPECT_EQ(parseTree(treeLines(tree)).tree, tree);
}

TEST(TreeFiles, ABlankFirstLineStaysTheRootThroughASave)
{
    const MenuTree tree = parseTree({u"   "_s, u"\tFile"_s, u"\t\tOpen"_s}).tree;
    ASSERT_EQ(tree.root()->text, u"");
    ASSERT_EQ(tree.root()->children.size(), 1u);
    EXPECT_EQ(parseTree(splitLines(joinLines(treeLines(tree)))).tree, tree);
}

TEST_F(HostileFiles, AJournalLeftByACrashIsFinishedByTheNextLoad)
{
    write(u"morvane.ini"_s, "[LoginBox]\r\nLoginText=old\r\n");
    write(u"cfg/LoginList4.txt"_s, "old\r\n");
    // What a save leaves when it is killed right after its journal was committed.
    ASSERT_TRUE(commitJournal(app.path(), {{u"morvane.ini"_s, "[LoginBox]\r\nLoginText=new\r\n"},
                                           {u"cfg/LoginList4.txt"_s, "new\r\n"},
                                           {u"cfg/PasswordList4.txt"_s, "pw\r\n"}})
                    .ok);
    ASSERT_TRUE(load(u"LoginBox"_s).ok());
    EXPECT_EQ(copy.specific(u"LoginBox"_s).text(u"LoginText"_s), u"new");
    EXPECT_EQ(copy.list(ListFileId::LoginBoxLogins), QStringList{u"new"_s});
    EXPECT_EQ(copy.list(ListFileId::LoginBoxPasswords), QStringList{u"pw"_s});
    EXPECT_FALSE(QFile::exists(journalPath(app.path())));
}

// A folder stands where a list file belongs: no save of the kind can replace it, as with a
// read-only file (which root could replace) or a full disk.
TEST_F(HostileFiles, AFailedSaveLeavesTheFolderAsItWasAndBlocksNothing)
{
    write(u"morvane.ini"_s, "[LoginBox]\r\nLoginText=old\r\n");
    write(u"cfg/LoginList4.txt"_s, "old\r\n");
    ASSERT_TRUE(load(u"LoginBox"_s).ok());
    const QString blocked = listFilePath(app.path(), u"PasswordList4.txt"_s);
    ASSERT_TRUE(QDir().mkpath(blocked));
    copy.specific(u"LoginBox"_s).setText(u"LoginText"_s, u"new"_s);
    copy.list(ListFileId::LoginBoxLogins) = QStringList{u"new"_s};

    const Result saved = saveKind(app.path(), u"LoginBox"_s, copy);
    EXPECT_EQ(saved.message, u"Can't create the file: "_s + blocked + u" (not a regular file)");
    EXPECT_FALSE(QFile::exists(journalPath(app.path())));
    EXPECT_EQ(read(u"morvane.ini"_s), "[LoginBox]\r\nLoginText=old\r\n");
    EXPECT_EQ(read(u"cfg/LoginList4.txt"_s), "old\r\n");

    WorkingCopy other;
    EXPECT_TRUE(loadKind(app.path(), u"Stars"_s, other).ok());
    EXPECT_TRUE(saveOptions(app.path(), {}).ok);
    ASSERT_TRUE(QDir(blocked).removeRecursively());
    ASSERT_TRUE(load(u"LoginBox"_s).ok());
    EXPECT_EQ(copy.specific(u"LoginBox"_s).text(u"LoginText"_s), u"old");
}

TEST_F(HostileFiles, AJournalThatCannotBeFinishedIsGivenUpWholeAndTold)
{
    write(u"morvane.ini"_s, "[LoginBox]\r\nLoginText=old\r\n");
    ASSERT_TRUE(commitJournal(app.path(), {{u"morvane.ini"_s, "[LoginBox]\r\nLoginText=new\r\n"},
                                           {u"cfg/PasswordList4.txt"_s, "pw\r\n"}})
                    .ok);
    const QString blocked = listFilePath(app.path(), u"PasswordList4.txt"_s);
    ASSERT_TRUE(QDir().mkpath(blocked));

    const Outcome<KindLoad> loaded = load(u"Stars"_s);
    ASSERT_TRUE(loaded.ok());
    EXPECT_TRUE(loaded->notice.startsWith(u"Can't create the file: "_s + blocked))
        << loaded->notice.toStdString();
    EXPECT_TRUE(loaded->notice.endsWith(u"could not be finished; it has been given up."));
    EXPECT_FALSE(QFile::exists(journalPath(app.path())));
    EXPECT_EQ(read(u"morvane.ini"_s), "[LoginBox]\r\nLoginText=old\r\n");
    EXPECT_TRUE(saveOptions(app.path(), {}).ok);
}

TEST_F(HostileFiles, ABrokenOrHostileJournalIsDroppedAndTheOldSaveStands)
{
    write(u"morvane.ini"_s, "[LoginBox]\r\nLoginText=old\r\n");
    ASSERT_TRUE(commitJournal(app.path(), {{u"morvane.ini"_s, "[LoginBox]\r\nLoginText=new\r\n"},
                                           {u"cfg/LoginList4.txt"_s, "new\r\n"}})
                    .ok);
    const QByteArray whole = read(u"morvane.ini.pending"_s);
    ASSERT_TRUE(commitJournal(app.path(), {{u"morvane.ini"_s, "[LoginBox]\r\nLoginText=new\r\n"},
                                           {u"cfg/../../outside.txt"_s, "new\r\n"}})
                    .ok);
    const QByteArray hostile = read(u"morvane.ini.pending"_s);
    for (const QByteArray& journal :
         {whole.left(whole.size() - 1), whole.left(20), hostile, QByteArray("garbage")}) {
        write(u"morvane.ini.pending"_s, journal);
        ASSERT_TRUE(load(u"LoginBox"_s).ok());
        EXPECT_EQ(copy.specific(u"LoginBox"_s).text(u"LoginText"_s), u"old");
        EXPECT_FALSE(QFile::exists(journalPath(app.path())));
    }
    EXPECT_FALSE(QFile::exists(app.filePath(u"../outside.txt"_s)));
}

} // namespace
