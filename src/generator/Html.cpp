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

QString fileNamePart(const QString& path)
{
    qsizetype cut = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
#ifdef Q_OS_WIN
    cut = std::max(cut, path.lastIndexOf(u':'));
#endif
    return path.mid(cut + 1);
}

} // namespace morvane::generator
