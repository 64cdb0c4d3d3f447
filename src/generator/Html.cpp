#include "generator/Html.h"

namespace morvane::generator {

QString escapeQuotes(const QString& text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('"'), QStringLiteral("&quot;"));
    return escaped;
}

QString paramLine(const QString& name, const QString& value)
{
    return QStringLiteral("<param name=\"") + name + QStringLiteral("\" value=\"") +
           escapeQuotes(value) + QStringLiteral("\">");
}

QString htmlColor(settings::ColorRef color)
{
    const uint red = color & 0xFFu;
    const uint green = (color >> 8) & 0xFFu;
    const uint blue = (color >> 16) & 0xFFu;
    return QStringLiteral("#%1%2%3")
        .arg(red, 2, 16, QLatin1Char('0'))
        .arg(green, 2, 16, QLatin1Char('0'))
        .arg(blue, 2, 16, QLatin1Char('0'))
        .toUpper();
}

QString fileNamePart(const QString& path)
{
    qsizetype cut = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
#ifdef Q_OS_WIN
    cut = std::max(cut, path.lastIndexOf(u':'));
#endif
    return path.mid(cut + 1);
}

} // namespace morvane::generator
