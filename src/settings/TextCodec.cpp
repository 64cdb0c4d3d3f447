#include "settings/TextCodec.h"

#include <QStringDecoder>

#include <array>

using namespace Qt::StringLiterals;

namespace morvane::settings {
namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; 0 marks the five unassigned bytes,
// which are kept as the C1 control of the same value.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

QString decodeCp1252(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        char16_t unit = byte;
        if (byte >= 0x80 && byte <= 0x9F && kCp1252High[byte - 0x80] != 0) {
            unit = kCp1252High[byte - 0x80];
        }
        text.append(QChar(unit));
    }
    return text;
}

const QByteArray kBom = QByteArrayLiteral("\xEF\xBB\xBF");

QStringDecoder utf8Decoder()
{
    return QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                    QStringDecoder::Flag::ConvertInitialBom);
}

bool isLineBreak(char c)
{
    return c == '\r' || c == '\n';
}

// Line breaks are the same bytes in both encodings, so each line can be judged on its own: a
// file edited by hand in two editors loses at most the lines that are not UTF-8.
QString decodeLineByLine(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && !isLineBreak(bytes.at(end))) {
            ++end;
        }
        const QByteArrayView line = QByteArrayView(bytes).sliced(start, end - start);
        QStringDecoder utf8 = utf8Decoder();
        const QString decoded = utf8.decode(line);
        text += utf8.hasError() ? decodeCp1252(line) : decoded;
        while (end < bytes.size() && isLineBreak(bytes.at(end))) {
            text += QLatin1Char(bytes.at(end++));
        }
        start = end;
    }
    return text;
}

} // namespace

QString decodeText(const QByteArray& bytes)
{
    // One byte-order mark is dropped; the decoders keep any other as text.
    const QByteArray body = bytes.startsWith(kBom) ? bytes.mid(kBom.size()) : bytes;
    QStringDecoder utf8 = utf8Decoder();
    const QString text = utf8.decode(body);
    return utf8.hasError() ? decodeLineByLine(body) : text;
}

QByteArray encodeText(const QString& text)
{
    // Reading drops one byte-order mark: a text that begins with that character gets one more.
    if (text.startsWith(QChar(0xFEFF))) {
        return kBom + text.toUtf8();
    }
    return text.toUtf8();
}

QStringList splitLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n') {
            continue;
        }
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < size && text.at(i + 1) == u'\n') {
            ++i;
        }
        start = i + 1;
    }
    if (start < size) {
        lines.append(text.mid(start));
    }
    return lines;
}

QString joinLines(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines) {
        text += line + u"\r\n"_s;
    }
    return text;
}

} // namespace morvane::settings
