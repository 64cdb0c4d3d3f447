#include "generator/Html.h"

using namespace Qt::StringLiterals;

namespace morvane::generator {

QString escapeQuotes(const QString& text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('"'), u"&quot;"_s);
    return escaped;
}

QString paramLine(const QString& name, const QString& value)
{
    return u"<param name=\""_s + name + u"\" value=\""_s + escapeQuotes(value) + u"\">"_s;
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
