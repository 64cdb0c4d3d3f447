#include "platform/CustomColors.h"

namespace morvane::platform {

namespace {

constexpr QLatin1String namePrefix{"Color"};
constexpr ColorRef largestColor = 0xFFFFFFu;

QString entryName(int index)
{
    return namePrefix + QChar(u'A' + index);
}

int indexOfName(QStringView name)
{
    if (name.size() != namePrefix.size() + 1 || !name.startsWith(namePrefix, Qt::CaseInsensitive)) {
        return -1;
    }
    const char16_t letter = QChar(name.back()).toUpper().unicode();
    const int index = letter - u'A';
    return index >= 0 && index < customColorCount ? index : -1;
}

int hexDigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') {
        return u - u'0';
    }
    if (u >= u'A' && u <= u'F') {
        return u - u'A' + 10;
    }
    if (u >= u'a' && u <= u'f') {
        return u - u'a' + 10;
    }
    return -1;
}

std::optional<ColorRef> colorFromHex(QStringView hex)
{
    if (hex.isEmpty() || hex.size() > 8) {
        return std::nullopt;
    }
    ColorRef value = 0;
    for (QChar c : hex) {
        const int digit = hexDigitValue(c);
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * 16 + ColorRef(digit);
    }
    if (value > largestColor) {
        return std::nullopt;
    }
    return value;
}

} // namespace

CustomColors customColorsFromLines(const QStringList& lines)
{
    CustomColors colors;
    std::array<bool, customColorCount> named{};
    for (const QString& line : lines) {
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0) {
            continue;
        }
        const int index = indexOfName(QStringView(line).left(equals));
        if (index < 0 || named[std::size_t(index)]) {
            continue;
        }
        // The first line naming an entry decides it, as a name=value lookup would.
        named[std::size_t(index)] = true;
        colors[std::size_t(index)] = colorFromHex(QStringView(line).mid(equals + 1).trimmed());
    }
    return colors;
}

QStringList linesFromCustomColors(const CustomColors& colors)
{
    QStringList lines;
    for (int i = 0; i < customColorCount; ++i) {
        const auto& color = colors[std::size_t(i)];
        if (color) {
            lines.append(
                entryName(i) + u'=' +
                QString::number(*color & largestColor, 16).toUpper().rightJustified(6, u'0'));
        }
    }
    return lines;
}

} // namespace morvane::platform
