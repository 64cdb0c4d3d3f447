#include "ui/richtext/RtfReader.h"
#include "ui/richtext/PaletteColors.h"

#include <QDir>
#include <QFile>
#include <QPalette>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

using morvane::ui::richtext::loadRtf;
using morvane::ui::richtext::loadRtfFile;

namespace {

QString plainText(const QByteArray& rtf)
{
    QTextDocument document;
    const morvane::Result loaded = loadRtf(rtf, &document);
    EXPECT_TRUE(loaded.ok) << loaded.message.toStdString();
    return document.toRawText();
}

// The format of the first character of `text` in the document.
QTextCharFormat formatOf(const QTextDocument& document, const QString& text)
{
    const QTextCursor found = document.find(text);
    EXPECT_FALSE(found.isNull()) << text.toStdString();
    QTextCursor cursor = found;
    cursor.setPosition(found.selectionStart() + 1);
    return cursor.charFormat();
}

struct TextCase {
    const char* name;
    const char* rtf;
    const char16_t* text;
};

class RtfText : public testing::TestWithParam<TextCase> {};

TEST_P(RtfText, ReadsTheTextOnly)
{
    EXPECT_EQ(plainText(GetParam().rtf), QString::fromUtf16(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Escapes, RtfText,
    testing::Values(
        TextCase{"HexEscapeInWesternCodePage", R"({\rtf1\ansi caf\'e9 \'93q\'94})", u"café “q”"},
        TextCase{"HexEscapeInDocumentCodePage", R"({\rtf1\ansi\ansicpg1251 \'c0\'e1})", u"Аб"},
        TextCase{"HexEscapeInFontCharset",
                 R"({\rtf1{\fonttbl{\f0 Arial;}{\f1\fcharset204 Arial Cyr;}}a\f1\'c0\f0\'c0})",
                 u"aАÀ"},
        TextCase{"UnicodeSkipsOneFallback", R"({\rtf1 x\u8364?y})", u"x€y"},
        TextCase{"UnicodeSkipsTheGivenFallbackCount", R"({\rtf1\uc2 \u8364\'80\'80y})", u"€y"},
        TextCase{"UnicodeFallbackStopsAtGroupEnd", R"({\rtf1{\uc3\u8364 a}b})", u"€b"},
        TextCase{"NegativeUnicode", R"({\rtf1\u-3913?})", u"\uF0B7"},
        TextCase{"SurrogatePair", R"({\rtf1\u-10179?\u-8704?})", u"\U0001F600"},
        TextCase{"LoneSurrogate", R"({\rtf1 a\u-10179?b})", u"a\uFFFDb"},
        TextCase{"LiteralBracesAndBackslash", R"({\rtf1 \{a\}\\})", u"{a}\\"},
        TextCase{"SpecialCharacters", R"({\rtf1\bullet\emdash\endash\lquote\rquote\~})",
                 u"•—–‘’\u00A0"},
        TextCase{"LineAndTab", R"({\rtf1 a\line b\tab c})", u"a\u2028b\tc"},
        TextCase{"LineBreaksInTheSourceAreNotText", "{\\rtf1 a\r\nb\nc}", u"abc"},
        TextCase{"SpaceAfterControlWordIsItsDelimiter", R"({\rtf1\b  bold})", u" bold"},
        TextCase{"SymbolFontBullet",
                 R"({\rtf1{\fonttbl{\f1\fcharset2 Symbol;}}{\pntext\f1\'b7\tab}Item})",
                 u"•\tItem"}),
    [](const testing::TestParamInfo<TextCase>& param) { return std::string(param.param.name); });

INSTANTIATE_TEST_SUITE_P(
    SkippedParts, RtfText,
    testing::Values(
        TextCase{"FontAndColorTables",
                 R"({\rtf1{\fonttbl{\f0\fswiss Arial;}}{\colortbl;\red1\green2\blue3;}x})", u"x"},
        TextCase{"IgnorableDestination", R"({\rtf1 a{\*\unknown b{c}}d})", u"ad"},
        TextCase{"KnownDestinations",
                 R"({\rtf1{\stylesheet{\s0 Normal;}}{\info{\title T}}{\pict 0a0b}a})", u"a"},
        TextCase{"FieldShowsItsResult",
                 R"({\rtf1{\field{\*\fldinst HYPERLINK "x"}{\fldrslt link}}})", u"link"},
        TextCase{"BinaryData", "{\\rtf1 a\\bin3 }{}b}", u"ab"},
        TextCase{"TextAfterTheDocument", R"({\rtf1 a}b)", u"a"},
        TextCase{"UnknownControlWords", R"({\rtf1\viewkind4\nowidctlpar\sl276\slmult1 a})", u"a"},
        TextCase{"UnclosedGroups", R"({\rtf1 a{\b b{\i c)", u"abc"}),
    [](const testing::TestParamInfo<TextCase>& param) { return std::string(param.param.name); });

TEST(RtfParagraphs, EachParEndsOneParagraph)
{
    QTextDocument document;
    ASSERT_TRUE(loadRtf(R"({\rtf1 one\par\par three\par})", &document));
    EXPECT_EQ(document.blockCount(), 3);
    EXPECT_EQ(document.toPlainText(), u"one\n\nthree"_s);
}

TEST(RtfParagraphs, AlignmentAndIndentsBelongToTheParagraphTheyEnd)
{
    QTextDocument document;
    ASSERT_TRUE(loadRtf(R"({\rtf1\pard\qc Title\par\pard\li720\fi-360\sa120 Item\par\pard Body})",
                        &document));
    ASSERT_EQ(document.blockCount(), 3);
    const QTextBlockFormat title = document.findBlockByNumber(0).blockFormat();
    const QTextBlockFormat item = document.findBlockByNumber(1).blockFormat();
    const QTextBlockFormat body = document.findBlockByNumber(2).blockFormat();
    EXPECT_EQ(title.alignment(), Qt::AlignHCenter);
    EXPECT_DOUBLE_EQ(item.leftMargin(), 48.0);
    EXPECT_DOUBLE_EQ(item.textIndent(), -24.0);
    EXPECT_DOUBLE_EQ(item.bottomMargin(), 8.0);
    EXPECT_EQ(body.alignment(), Qt::AlignLeft);
    EXPECT_DOUBLE_EQ(body.leftMargin(), 0.0);
}

TEST(RtfCharacters, FormattingFollowsControlWordsAndGroups)
{
    QTextDocument document;
    ASSERT_TRUE(loadRtf(
        R"({\rtf1\deff0{\fonttbl{\f0 Arial;}{\f1 Courier New;}}{\colortbl ;\red255\green0\blue0;})"
        R"(\fs20 plain {\b bold {\i both}} \ul under\ulnone \cf1 red\cf0 \f1\fs32 mono)"
        R"( \strike gone\strike0 \super up\nosupersub \b\i\plain reset})",
        &document));

    const QTextCharFormat plain = formatOf(document, u"plain"_s);
    EXPECT_EQ(plain.fontWeight(), QFont::Normal);
    EXPECT_DOUBLE_EQ(plain.fontPointSize(), 10.0);
    EXPECT_EQ(plain.fontFamilies().toStringList(), QStringList{u"Arial"_s});
    EXPECT_EQ(formatOf(document, u"bold"_s).fontWeight(), QFont::Bold);
    const QTextCharFormat both = formatOf(document, u"both"_s);
    EXPECT_EQ(both.fontWeight(), QFont::Bold);
    EXPECT_TRUE(both.fontItalic());
    EXPECT_TRUE(formatOf(document, u"under"_s).fontUnderline());
    EXPECT_FALSE(formatOf(document, u"red"_s).fontUnderline());
    EXPECT_EQ(formatOf(document, u"red"_s).foreground().color(), QColor(255, 0, 0));
    const QTextCharFormat mono = formatOf(document, u"mono"_s);
    EXPECT_EQ(mono.fontFamilies().toStringList(), QStringList{u"Courier New"_s});
    EXPECT_DOUBLE_EQ(mono.fontPointSize(), 16.0);
    EXPECT_FALSE(mono.hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_TRUE(formatOf(document, u"gone"_s).fontStrikeOut());
    EXPECT_EQ(formatOf(document, u"up"_s).verticalAlignment(), QTextCharFormat::AlignSuperScript);
    const QTextCharFormat reset = formatOf(document, u"reset"_s);
    EXPECT_EQ(reset.fontWeight(), QFont::Normal);
    EXPECT_FALSE(reset.fontItalic());
    EXPECT_DOUBLE_EQ(reset.fontPointSize(), 12.0);
    EXPECT_EQ(reset.fontFamilies().toStringList(), QStringList{u"Arial"_s});
}

TEST(RtfLoad, RefusesTextThatIsNotRtfAndKeepsTheDocument)
{
    QTextDocument document(u"before"_s);
    for (const char* text : {"", "plain text", "{\\rtx1 a}", "\\rtf1 a"}) {
        const morvane::Result loaded = loadRtf(QByteArray(text), &document);
        EXPECT_FALSE(loaded.ok) << text;
        EXPECT_EQ(document.toPlainText(), u"before"_s);
        EXPECT_FALSE(loaded.message.isEmpty());
    }
    EXPECT_TRUE(loadRtf("\xEF\xBB\xBF \r\n{\\rtf1 after}", &document).ok);
    EXPECT_EQ(document.toPlainText(), u"after"_s);
}

TEST(RtfLoad, FileThatCannotBeReadLeavesTheDocumentAndNamesThePath)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QTextDocument document(u"before"_s);
    const QString missing = dir.filePath(u"faq.rtf"_s);
    morvane::Result loaded = loadRtfFile(missing, {}, &document);
    EXPECT_FALSE(loaded.ok);
    EXPECT_TRUE(
        loaded.message.startsWith(u"Can't open the file: "_s + QDir::toNativeSeparators(missing)))
        << loaded.message.toStdString();
    EXPECT_FALSE(loadRtfFile(dir.path(), {}, &document).ok);

    QFile notRtf(dir.filePath(u"step.rtf"_s));
    ASSERT_TRUE(notRtf.open(QIODevice::WriteOnly));
    notRtf.write("hello");
    notRtf.close();
    EXPECT_FALSE(loadRtfFile(notRtf.fileName(), {}, &document).ok);

    // Neither waited on nor read through a link that leads out of the installation folder.
    const QString pipe = dir.filePath(u"pipe.rtf"_s);
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_FALSE(loadRtfFile(pipe, {}, &document).ok);
    QTemporaryDir install;
    const QString link = install.filePath(u"help.rtf"_s);
    ASSERT_TRUE(QFile::link(notRtf.fileName(), link));
    loaded = loadRtfFile(link, install.path(), &document);
    EXPECT_FALSE(loaded.ok);
    EXPECT_TRUE(loaded.message.contains(u"a link leads outside"_s)) << loaded.message.toStdString();
    EXPECT_EQ(document.toPlainText(), u"before"_s);
}

// Each input must load without a crash, a hang or a sanitizer report.
TEST(RtfHostileInput, LoadsSafely)
{
    const QList<QByteArray> inputs = {
        QByteArray("{\\rtf1 ") + QByteArray(100000, '{') + "deep" + QByteArray(100000, '}'),
        QByteArray("{\\rtf1 ") + QByteArray(100000, '}'),
        "{\\rtf1\\fs99999999999999 big\\fs-5 small\\li-99999999999 \\fi99999999 x\\par}",
        "{\\rtf1\\u99999999 \\u-99999999 \\u0 \\uc99999999 \\u65 abc}",
        "{\\rtf1\\bin99999999 abc}",
        "{\\rtf1\\bin-5 abc}",
        "{\\rtf1 \\'",
        "{\\rtf1 \\'4",
        "{\\rtf1 \\'zz\\",
        "{\\rtf1\\cf99999\\cb-3\\highlight7 x{\\colortbl\\red999;}}",
        "{\\rtf1{\\fonttbl{\\f-1\\fcharset999 ;}{\\f2147483647 X}}\\f-1 a\\f2147483647 b}",
        "{\\rtf1\\ansicpg99999 \\'80\\ansicpg0 \\'80\\ansicpg65001 \\'ff\\'fe}",
        QByteArray("{\\rtf1 a\0b\x01\x7f\xff", 13) + "\\u-1056?\\u-1055?\\u-4?\\u-2?",
        QByteArray("{\\rtf1 ") + QByteArray(100000, 'a') + QByteArray(40, 'z') + "}",
        "{\\rtf1\\" + QByteArray(5000, 'x') + "123456789012345678901234567890 y}",
    };
    for (const QByteArray& input : inputs) {
        QTextDocument document;
        EXPECT_TRUE(loadRtf(input, &document).ok) << input.left(40).toStdString();
        EXPECT_FALSE(document.toRawText().contains(QChar(0)));
    }
}

TEST(RtfHostileInput, NestingBeyondTheLimitKeepsTheOuterText)
{
    const QByteArray rtf = QByteArray("{\\rtf1 before") + QByteArray(5000, '{') + "inside" +
                           QByteArray(5000, '}') + " after}";
    EXPECT_EQ(plainText(rtf), u"before after"_s);
}

class ShippedHelpPage : public testing::TestWithParam<const char*> {};

TEST_P(ShippedHelpPage, ReadsAsText)
{
    const QString path =
        QDir(QString::fromUtf8(MORVANE_HELP_DIR)).filePath(QLatin1String(GetParam()));
    if (!QFile::exists(path)) {
        GTEST_SKIP() << "not shipped yet";
    }
    QTextDocument document;
    const morvane::Result loaded = loadRtfFile(path, {}, &document);
    ASSERT_TRUE(loaded.ok) << loaded.message.toStdString();
    const QString text = document.toRawText();
    EXPECT_GT(text.trimmed().size(), 100);
    EXPECT_FALSE(text.contains(QChar::ReplacementCharacter));
    // A control word that leaked into the text.
    static const QRegularExpression leaked(uR"(\\[a-z]+)"_s);
    EXPECT_FALSE(leaked.match(text).hasMatch()) << leaked.match(text).captured().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Pages, ShippedHelpPage,
                         testing::Values("getting_started.rtf", "step.rtf", "versions_history.rtf",
                                         "support.rtf", "faq.rtf", "tutorial.rtf", "about.rtf"));

// Dark heading colours become light on a dark page and stay as they are on a light one; text
// without a colour of its own is left to the palette.
TEST(PaletteColors, DarkColorsAreMirroredOnADarkPageOnly)
{
    struct PaletteCase {
        QColor base;
        bool mirrored;
    };
    for (const PaletteCase& c :
         {PaletteCase{Qt::white, false}, PaletteCase{QColor(30, 30, 30), true}}) {
        QTextDocument document;
        ASSERT_TRUE(loadRtf(R"({\rtf1{\colortbl;\red0\green51\blue153;\red255\green200\blue0;})"
                            R"({\cf1 Heading}{\cf2 Light}{ plain}})",
                            &document));
        QPalette palette;
        palette.setColor(QPalette::Base, c.base);
        morvane::ui::richtext::fitColorsToPalette(&document, palette);

        const QColor heading = formatOf(document, u"Heading"_s).foreground().color();
        const QColor original(0, 51, 153);
        EXPECT_EQ(heading.lightness() >= 128, c.mirrored);
        EXPECT_EQ(heading.hslHue(), original.hslHue());
        EXPECT_EQ(formatOf(document, u"Light"_s).foreground().color(), QColor(255, 200, 0));
        EXPECT_FALSE(formatOf(document, u"plain"_s).hasProperty(QTextFormat::ForegroundBrush));
    }
}

} // namespace
