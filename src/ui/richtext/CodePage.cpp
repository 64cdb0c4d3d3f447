#include "ui/richtext/CodePage.h"

#include <QStringDecoder>

#include <array>
#include <utility>

namespace morvane::ui::richtext {
namespace {

// 0x80 to 0x9F of Windows-1252; the rest of the code page is Latin-1.
constexpr std::array<char16_t, 32> kWestern80To9F = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

constexpr std::array<std::pair<int, int>, 14> kCharsetCodePages = {{
    {0, 1252},
    {2, kSymbolCodePage},
    {77, 10000},
    {128, 932},
    {129, 949},
    {134, 936},
    {136, 950},
    {161, 1253},
    {162, 1254},
    {177, 1255},
    {178, 1256},
    {186, 1257},
    {204, 1251},
    {238, 1250},
}};

QString decodeWestern(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char b : bytes) {
        const auto byte = static_cast<unsigned char>(b);
        if (byte >= 0x80 && byte <= 0x9F) {
            text.append(QChar(kWestern80To9F[byte - 0x80]));
        } else {
            text.append(QChar(char16_t(byte)));
        }
    }
    return text;
}

// The symbol font draws its bullet at 0xB7; the rest is rarely used in help pages.
QString decodeSymbol(QByteArrayView bytes)
{
    QString text = decodeWestern(bytes);
    text.replace(QChar(0xB7), QChar(0x2022));
    return text;
}

QByteArray decoderName(int codePage)
{
    switch (codePage) {
    case 437:
        return QByteArrayLiteral("IBM437");
    case 850:
        return QByteArrayLiteral("IBM850");
    case 10000:
        return QByteArrayLiteral("macintosh");
    default:
        return QByteArrayLiteral("windows-") + QByteArray::number(codePage);
    }
}

} // namespace

int codePageOfCharset(int charset)
{
    for (const auto& [set, page] : kCharsetCodePages) {
        if (set == charset) {
            return page;
        }
    }
    return 0;
}

QString decodeCodePage(QByteArrayView bytes, int codePage)
{
    if (codePage == kWesternCodePage) {
        return decodeWestern(bytes);
    }
    if (codePage == kSymbolCodePage) {
        return decodeSymbol(bytes);
    }
    if (codePage == kUtf8CodePage) {
        return QString::fromUtf8(bytes);
    }
    QStringDecoder decoder(decoderName(codePage).constData());
    if (!decoder.isValid()) {
        return decodeWestern(bytes);
    }
    return decoder.decode(bytes);
}

} // namespace morvane::ui::richtext
