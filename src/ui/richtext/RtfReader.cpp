#include "ui/richtext/RtfReader.h"

#include "settings/AtomicFile.h"
#include "ui/richtext/CodePage.h"
#include "ui/richtext/RtfTokenizer.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QList>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <cerrno>
#include <string_view>
#include <unordered_map>
#include <vector>

using namespace Qt::StringLiterals;

namespace morvane::ui::richtext {
namespace {

constexpr int kMaxGroupDepth = 128;
constexpr int kMaxUnicodeSkip = 16;
constexpr int kDefaultHalfPoints = 24;
constexpr int kMaxHalfPoints = 2 * 1600;
constexpr int kMaxTwips = 1440 * 22;
constexpr double kTwipsPerPixel = 15.0; // 1440 twips and 96 pixels an inch

enum class Destination { Text, FontTable, ColorTable, Skip };

enum class Action {
    FontTable,
    ColorTable,
    SkipDestination,
    Paragraph,
    Character, // value: the UTF-16 code
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    Superscript,
    Subscript,
    NoSuperSub,
    Plain,
    Font,
    FontSize,
    Foreground,
    Background,
    ParagraphDefaults,
    Align, // value: the Qt::Alignment
    LeftIndent,
    RightIndent,
    FirstIndent,
    SpaceBefore,
    SpaceAfter,
    UnicodeSkip,
    Unicode,
    DefaultFont,
    DocumentCodePage, // value: the code page the word implies, when it has no parameter
    FontCharset,
    FontCodePage,
    Red,
    Green,
    Blue,
};

struct WordRule {
    std::string_view word;
    Action action;
    int value;
};

// Control words without a rule are ignored; so is the text of the skipped destinations.
constexpr WordRule kWordRules[] = {
    {"fonttbl", Action::FontTable, 0},
    {"colortbl", Action::ColorTable, 0},
    {"stylesheet", Action::SkipDestination, 0},
    {"info", Action::SkipDestination, 0},
    {"pict", Action::SkipDestination, 0},
    {"object", Action::SkipDestination, 0},
    {"header", Action::SkipDestination, 0},
    {"headerl", Action::SkipDestination, 0},
    {"headerr", Action::SkipDestination, 0},
    {"headerf", Action::SkipDestination, 0},
    {"footer", Action::SkipDestination, 0},
    {"footerl", Action::SkipDestination, 0},
    {"footerr", Action::SkipDestination, 0},
    {"footerf", Action::SkipDestination, 0},
    {"footnote", Action::SkipDestination, 0},
    {"annotation", Action::SkipDestination, 0},
    {"fldinst", Action::SkipDestination, 0},
    {"listtable", Action::SkipDestination, 0},
    {"listoverridetable", Action::SkipDestination, 0},
    {"rsidtbl", Action::SkipDestination, 0},
    {"revtbl", Action::SkipDestination, 0},
    {"filetbl", Action::SkipDestination, 0},
    {"generator", Action::SkipDestination, 0},
    {"themedata", Action::SkipDestination, 0},
    {"colorschememapping", Action::SkipDestination, 0},
    {"latentstyles", Action::SkipDestination, 0},
    {"datastore", Action::SkipDestination, 0},
    {"xmlnsdecl", Action::SkipDestination, 0},
    {"template", Action::SkipDestination, 0},
    {"docvar", Action::SkipDestination, 0},
    {"userprops", Action::SkipDestination, 0},
    {"shp", Action::SkipDestination, 0},
    {"nonshppict", Action::SkipDestination, 0},
    {"pn", Action::SkipDestination, 0},
    {"pntxta", Action::SkipDestination, 0},
    {"pntxtb", Action::SkipDestination, 0},
    {"xe", Action::SkipDestination, 0},
    {"tc", Action::SkipDestination, 0},
    {"par", Action::Paragraph, 0},
    {"sect", Action::Paragraph, 0},
    {"page", Action::Paragraph, 0},
    {"row", Action::Paragraph, 0},
    {"line", Action::Character, 0x2028},
    {"tab", Action::Character, '\t'},
    {"cell", Action::Character, '\t'},
    {"bullet", Action::Character, 0x2022},
    {"emdash", Action::Character, 0x2014},
    {"endash", Action::Character, 0x2013},
    {"emspace", Action::Character, 0x2003},
    {"enspace", Action::Character, 0x2002},
    {"qmspace", Action::Character, 0x2005},
    {"lquote", Action::Character, 0x2018},
    {"rquote", Action::Character, 0x2019},
    {"ldblquote", Action::Character, 0x201C},
    {"rdblquote", Action::Character, 0x201D},
    {"b", Action::Bold, 1},
    {"i", Action::Italic, 1},
    {"ul", Action::Underline, 1},
    {"uld", Action::Underline, 1},
    {"uldb", Action::Underline, 1},
    {"uldash", Action::Underline, 1},
    {"ulth", Action::Underline, 1},
    {"ulw", Action::Underline, 1},
    {"ulwave", Action::Underline, 1},
    {"ulnone", Action::UnderlineNone, 0},
    {"strike", Action::Strike, 1},
    {"striked", Action::Strike, 1},
    {"super", Action::Superscript, 1},
    {"sub", Action::Subscript, 1},
    {"nosupersub", Action::NoSuperSub, 0},
    {"plain", Action::Plain, 0},
    {"f", Action::Font, 0},
    {"fs", Action::FontSize, kDefaultHalfPoints},
    {"cf", Action::Foreground, 0},
    {"cb", Action::Background, 0},
    {"highlight", Action::Background, 0},
    {"chcbpat", Action::Background, 0},
    {"pard", Action::ParagraphDefaults, 0},
    {"ql", Action::Align, Qt::AlignLeft},
    {"qc", Action::Align, Qt::AlignHCenter},
    {"qr", Action::Align, Qt::AlignRight},
    {"qj", Action::Align, Qt::AlignJustify},
    {"li", Action::LeftIndent, 0},
    {"ri", Action::RightIndent, 0},
    {"fi", Action::FirstIndent, 0},
    {"sb", Action::SpaceBefore, 0},
    {"sa", Action::SpaceAfter, 0},
    {"uc", Action::UnicodeSkip, 1},
    {"u", Action::Unicode, 0xFFFD},
    {"deff", Action::DefaultFont, 0},
    {"ansicpg", Action::DocumentCodePage, kWesternCodePage},
    {"ansi", Action::DocumentCodePage, kWesternCodePage},
    {"mac", Action::DocumentCodePage, 10000},
    {"pc", Action::DocumentCodePage, 437},
    {"pca", Action::DocumentCodePage, 850},
    {"fcharset", Action::FontCharset, 0},
    {"cpg", Action::FontCodePage, 0},
    {"red", Action::Red, 0},
    {"green", Action::Green, 0},
    {"blue", Action::Blue, 0},
};

const WordRule* findRule(QByteArrayView word)
{
    static const auto rules = [] {
        std::unordered_map<std::string_view, const WordRule*> map;
        for (const WordRule& rule : kWordRules) {
            map.emplace(rule.word, &rule);
        }
        return map;
    }();
    const auto it = rules.find(std::string_view(word.data(), static_cast<size_t>(word.size())));
    return it == rules.end() ? nullptr : it->second;
}

struct CharState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    QTextCharFormat::VerticalAlignment vertical = QTextCharFormat::AlignNormal;
    int font = -1; // -1: the document's default font
    int halfPoints = kDefaultHalfPoints;
    int foreground = -1; // index into the color table; -1: the view's own color
    int background = -1;
};

struct ParagraphState {
    Qt::Alignment alignment = Qt::AlignLeft;
    int leftTwips = 0;
    int rightTwips = 0;
    int firstTwips = 0;
    int beforeTwips = 0;
    int afterTwips = 0;
};

struct GroupState {
    CharState chars;
    ParagraphState paragraph;
    Destination destination = Destination::Text;
    int unicodeSkip = 1;
};

struct FontEntry {
    QString name;
    int codePage = 0; // 0: the document's code page
};

QString cleaned(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out.append(c);
            out.append(text.at(++i));
        } else if (c.isSurrogate() || c.unicode() == 0xFDD0 || c.unicode() == 0xFDD1 ||
                   c == QChar::ObjectReplacementCharacter || c.unicode() >= 0xFFFE) {
            // Surrogate halves and the document's own structure marks are not text.
            out.append(QChar::ReplacementCharacter);
        } else if (c == QChar::ParagraphSeparator) {
            out.append(QChar::LineSeparator);
        } else if (c.unicode() >= 0x20 || c == u'\t') {
            out.append(c);
        }
    }
    return out;
}

double pixels(int twips)
{
    return twips / kTwipsPerPixel;
}

class RtfReader {
public:
    explicit RtfReader(QTextDocument* document)
        : m_cursor(document)
    {
        m_groups.emplace_back();
    }

    void read(QByteArrayView rtf)
    {
        RtfTokenizer tokens(rtf);
        m_cursor.beginEditBlock();
        while (!m_finished) {
            const RtfToken token = tokens.next();
            if (token.type == RtfTokenType::End) {
                break;
            }
            handle(token);
        }
        finish();
        m_cursor.endEditBlock();
    }

private:
    GroupState& top() { return m_groups.back(); }

    void handle(const RtfToken& token)
    {
        if (token.type == RtfTokenType::GroupStart) {
            m_fallbackToSkip = 0;
            flush();
            openGroup();
            return;
        }
        if (token.type == RtfTokenType::GroupEnd) {
            m_fallbackToSkip = 0;
            flush();
            closeGroup();
            return;
        }
        if (m_overflow > 0) {
            return;
        }
        if (token.type == RtfTokenType::Text) {
            for (const char c : token.data) {
                onTextByte(static_cast<unsigned char>(c));
            }
            return;
        }
        if (m_fallbackToSkip > 0) {
            --m_fallbackToSkip;
            return;
        }
        switch (token.type) {
        case RtfTokenType::HexByte:
            onByte(token.byte, true);
            break;
        case RtfTokenType::ControlSymbol:
            onControlSymbol(token.symbol);
            break;
        case RtfTokenType::ControlWord:
            onControlWord(token);
            break;
        default:
            break;
        }
    }

    void openGroup()
    {
        if (m_overflow > 0 || m_groups.size() > kMaxGroupDepth) {
            ++m_overflow;
            return;
        }
        m_groups.push_back(top());
    }

    void closeGroup()
    {
        if (m_overflow > 0) {
            --m_overflow;
            return;
        }
        if (top().destination == Destination::FontTable) {
            commitFont();
        }
        if (m_groups.size() <= 1) {
            return;
        }
        m_groups.pop_back();
        // The document ends with the group that began it; whatever follows is not part of it.
        if (m_groups.size() == 1) {
            m_finished = true;
        }
    }

    void onTextByte(unsigned char byte)
    {
        if (byte == '\r' || byte == '\n') {
            return;
        }
        if (m_fallbackToSkip > 0) {
            --m_fallbackToSkip;
            return;
        }
        onByte(byte, false);
    }

    void onByte(unsigned char byte, bool escaped)
    {
        switch (top().destination) {
        case Destination::Text:
            m_pendingBytes.append(static_cast<char>(byte));
            break;
        case Destination::FontTable:
            if (byte == ';' && !escaped) {
                commitFont();
            } else {
                m_fontName.append(static_cast<char>(byte));
            }
            break;
        case Destination::ColorTable:
            if (byte == ';' && !escaped) {
                commitColor();
            }
            break;
        case Destination::Skip:
            break;
        }
    }

    void onControlSymbol(char symbol)
    {
        switch (symbol) {
        case '\\':
        case '{':
        case '}':
            onByte(static_cast<unsigned char>(symbol), true);
            break;
        case '~':
            appendCharacter(0x00A0);
            break;
        case '_':
            appendCharacter(0x2011);
            break;
        case '*':
            flush();
            top().destination = Destination::Skip;
            break;
        case '\n':
        case '\r':
            if (top().destination == Destination::Text) {
                endParagraph();
            }
            break;
        default:
            break;
        }
    }

    void onControlWord(const RtfToken& token)
    {
        const WordRule* rule = findRule(token.word);
        GroupState& group = top();
        if (!rule || group.destination == Destination::Skip) {
            return;
        }
        const int value = token.hasParameter ? token.parameter : rule->value;
        switch (rule->action) {
        case Action::FontTable:
            flush();
            group.destination = Destination::FontTable;
            return;
        case Action::ColorTable:
            flush();
            group.destination = Destination::ColorTable;
            return;
        case Action::SkipDestination:
            flush();
            group.destination = Destination::Skip;
            return;
        case Action::UnicodeSkip:
            group.unicodeSkip = qBound(0, value, kMaxUnicodeSkip);
            return;
        case Action::Unicode:
            appendCharacter(value < 0 ? value + 0x10000 : value);
            m_fallbackToSkip = group.unicodeSkip;
            return;
        default:
            break;
        }
        if (group.destination == Destination::FontTable) {
            applyFontTableWord(rule->action, value);
        } else if (group.destination == Destination::ColorTable) {
            applyColorTableWord(rule->action, value);
        } else {
            applyTextWord(*rule, value);
        }
    }

    void applyFontTableWord(Action action, int value)
    {
        switch (action) {
        case Action::Font:
            if (!m_fontName.isEmpty()) {
                commitFont();
            }
            m_fontNumber = value;
            m_fontCodePage = 0;
            break;
        case Action::FontCharset:
            if (m_fontCodePage == 0) {
                m_fontCodePage = codePageOfCharset(value);
            }
            break;
        case Action::FontCodePage:
            m_fontCodePage = value;
            break;
        default:
            break;
        }
    }

    void applyColorTableWord(Action action, int value)
    {
        const int component = qBound(0, value, 255);
        if (action == Action::Red) {
            m_color.setRed(component);
        } else if (action == Action::Green) {
            m_color.setGreen(component);
        } else if (action == Action::Blue) {
            m_color.setBlue(component);
        } else {
            return;
        }
        m_colorDefined = true;
    }

    void applyTextWord(const WordRule& rule, int value)
    {
        flush();
        CharState& chars = top().chars;
        ParagraphState& paragraph = top().paragraph;
        const int twips = qBound(-kMaxTwips, value, kMaxTwips);
        switch (rule.action) {
        case Action::Paragraph:
            endParagraph();
            break;
        case Action::Character:
            appendCharacter(rule.value);
            break;
        case Action::Bold:
            chars.bold = value != 0;
            break;
        case Action::Italic:
            chars.italic = value != 0;
            break;
        case Action::Underline:
            chars.underline = value != 0;
            break;
        case Action::UnderlineNone:
            chars.underline = false;
            break;
        case Action::Strike:
            chars.strike = value != 0;
            break;
        case Action::Superscript:
            chars.vertical =
                value ? QTextCharFormat::AlignSuperScript : QTextCharFormat::AlignNormal;
            break;
        case Action::Subscript:
            chars.vertical = value ? QTextCharFormat::AlignSubScript : QTextCharFormat::AlignNormal;
            break;
        case Action::NoSuperSub:
            chars.vertical = QTextCharFormat::AlignNormal;
            break;
        case Action::Plain:
            chars = CharState();
            break;
        case Action::Font:
            chars.font = value;
            break;
        case Action::FontSize:
            chars.halfPoints = qBound(2, value, kMaxHalfPoints);
            break;
        case Action::Foreground:
            chars.foreground = value;
            break;
        case Action::Background:
            chars.background = value;
            break;
        case Action::ParagraphDefaults:
            paragraph = ParagraphState();
            break;
        case Action::Align:
            paragraph.alignment = Qt::Alignment(rule.value);
            break;
        case Action::LeftIndent:
            paragraph.leftTwips = qMax(0, twips);
            break;
        case Action::RightIndent:
            paragraph.rightTwips = qMax(0, twips);
            break;
        case Action::FirstIndent:
            paragraph.firstTwips = twips;
            break;
        case Action::SpaceBefore:
            paragraph.beforeTwips = qMax(0, twips);
            break;
        case Action::SpaceAfter:
            paragraph.afterTwips = qMax(0, twips);
            break;
        case Action::DefaultFont:
            m_defaultFont = value;
            break;
        case Action::DocumentCodePage:
            if (value > 0) {
                m_documentCodePage = value;
            }
            break;
        default:
            break;
        }
    }

    void appendCharacter(int code)
    {
        if (top().destination != Destination::Text) {
            return;
        }
        decodePendingBytes();
        m_pendingText.append(code >= 0 && code <= 0xFFFF ? QChar(code)
                                                         : QChar::ReplacementCharacter);
    }

    void commitFont()
    {
        const QString name = decodeCodePage(m_fontName, kWesternCodePage).trimmed();
        if (!name.isEmpty()) {
            m_fonts.insert(m_fontNumber, FontEntry{name, m_fontCodePage});
        }
        m_fontName.clear();
    }

    void commitColor()
    {
        m_colors.append(m_colorDefined ? m_color : QColor());
        m_color = QColor(0, 0, 0);
        m_colorDefined = false;
    }

    int fontOf(const CharState& chars) const
    {
        return chars.font >= 0 ? chars.font : m_defaultFont;
    }

    int currentCodePage() const
    {
        const auto font = m_fonts.constFind(fontOf(m_groups.back().chars));
        if (font != m_fonts.constEnd() && font->codePage != 0) {
            return font->codePage;
        }
        return m_documentCodePage;
    }

    QColor color(int index) const
    {
        return index >= 0 && index < m_colors.size() ? m_colors.at(index) : QColor();
    }

    QTextCharFormat charFormat(const CharState& chars) const
    {
        QTextCharFormat format;
        const auto font = m_fonts.constFind(fontOf(chars));
        if (font != m_fonts.constEnd()) {
            format.setFontFamilies({font->name});
        }
        format.setFontPointSize(chars.halfPoints / 2.0);
        format.setFontWeight(chars.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(chars.italic);
        format.setFontUnderline(chars.underline);
        format.setFontStrikeOut(chars.strike);
        format.setVerticalAlignment(chars.vertical);
        if (const QColor foreground = color(chars.foreground); foreground.isValid()) {
            format.setForeground(foreground);
        }
        if (const QColor background = color(chars.background); background.isValid()) {
            format.setBackground(background);
        }
        return format;
    }

    static QTextBlockFormat blockFormat(const ParagraphState& paragraph)
    {
        QTextBlockFormat format;
        format.setAlignment(paragraph.alignment);
        format.setLeftMargin(pixels(paragraph.leftTwips));
        format.setRightMargin(pixels(paragraph.rightTwips));
        // A hanging first line never reaches left of the page.
        format.setTextIndent(pixels(qMax(paragraph.firstTwips, -paragraph.leftTwips)));
        format.setTopMargin(pixels(paragraph.beforeTwips));
        format.setBottomMargin(pixels(paragraph.afterTwips));
        return format;
    }

    void decodePendingBytes()
    {
        if (m_pendingBytes.isEmpty()) {
            return;
        }
        m_pendingText.append(decodeCodePage(m_pendingBytes, currentCodePage()));
        m_pendingBytes.clear();
    }

    void flush()
    {
        decodePendingBytes();
        if (m_pendingText.isEmpty()) {
            return;
        }
        const QString text = cleaned(m_pendingText);
        m_pendingText.clear();
        if (text.isEmpty()) {
            return;
        }
        m_cursor.insertText(text, charFormat(top().chars));
        m_blockHasText = true;
        m_lastParagraph = top().paragraph;
    }

    void endParagraph()
    {
        flush();
        m_cursor.setBlockFormat(blockFormat(top().paragraph));
        if (!m_blockHasText) {
            m_cursor.setBlockCharFormat(charFormat(top().chars));
        }
        m_cursor.insertBlock();
        m_blockHasText = false;
        m_endedParagraph = true;
    }

    void finish()
    {
        flush();
        if (m_blockHasText) {
            m_cursor.setBlockFormat(blockFormat(m_lastParagraph));
        } else if (m_endedParagraph) {
            m_cursor.deletePreviousChar(); // the last \par ends a paragraph; it starts none
        }
    }

    QTextCursor m_cursor;
    std::vector<GroupState> m_groups;
    int m_overflow = 0;
    bool m_finished = false;
    int m_fallbackToSkip = 0;

    int m_documentCodePage = kWesternCodePage;
    int m_defaultFont = 0;
    QHash<int, FontEntry> m_fonts;
    int m_fontNumber = 0;
    int m_fontCodePage = 0;
    QByteArray m_fontName;
    QList<QColor> m_colors;
    QColor m_color = QColor(0, 0, 0);
    bool m_colorDefined = false;

    QByteArray m_pendingBytes;
    QString m_pendingText;
    bool m_blockHasText = false;
    bool m_endedParagraph = false;
    ParagraphState m_lastParagraph;
};

// Where the document's opening group begins, or -1 when the text does not begin as RTF does.
qsizetype rtfStart(const QByteArray& rtf)
{
    qsizetype start = rtf.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (start < rtf.size() && QChar::isSpace(static_cast<unsigned char>(rtf.at(start)))) {
        ++start;
    }
    return QByteArrayView(rtf).sliced(start).startsWith("{\\rtf") ? start : -1;
}

} // namespace

Result loadRtf(const QByteArray& rtf, QTextDocument* document)
{
    if (!document) {
        return Result::failure(QString());
    }
    const qsizetype start = rtfStart(rtf);
    if (start < 0) {
        return Result::failure(u"The text is not in rich text format."_s);
    }
    const bool undoRedo = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false);
    document->clear();
    RtfReader(document).read(QByteArrayView(rtf).sliced(start));
    document->setUndoRedoEnabled(undoRedo);
    return Result::success();
}

Result loadRtfFile(const QString& path, const QString& within, QTextDocument* document)
{
    const QString shownPath = QDir::toNativeSeparators(path);
    const Outcome<Descriptor> file = settings::openForReading(path, within);
    if (!file) {
        return file.result();
    }
    if (!file->isOpen()) {
        return Result::failure(u"Can't open the file: "_s + shownPath + u" (" +
                               systemError(ENOENT) + u')');
    }
    const Outcome<QByteArray> read = readUpTo(*file, kMaxRtfFileSize + 1);
    if (!read) {
        return Result::failure(u"Can't read the file: "_s + shownPath + u" (" + read.message() +
                               u')');
    }
    const QByteArray& rtf = *read;
    if (rtf.size() > kMaxRtfFileSize) {
        return Result::failure(u"The file is too large: "_s + shownPath);
    }
    if (!loadRtf(rtf, document)) {
        return Result::failure(u"The file is not in rich text format: "_s + shownPath);
    }
    return Result::success();
}

} // namespace morvane::ui::richtext
