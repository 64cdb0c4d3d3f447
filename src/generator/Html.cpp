#include "generator/Html.h"

#include <array>

using namespace Qt::StringLiterals;

namespace morvane::generator {
namespace {

struct MarkupElements {
    Markup markup;
    const char16_t* applet;
    const char16_t* param;
    const char16_t* paramEnd;    // a custom element is never void: it needs its end tag
    const char16_t* scriptStart; // HTML5 made the LANGUAGE attribute obsolete
};

constexpr std::array kElements{
    MarkupElements{Markup::Applet, u"applet", u"param", u"", u"<script LANGUAGE=\"JavaScript\">"},
    MarkupElements{Markup::Modern, u"morvane-applet", u"morvane-param", u"</morvane-param>",
                   u"<script>"},
};
static_assert(kElements[static_cast<size_t>(Markup::Modern)].markup == Markup::Modern);

const MarkupElements& elementsOf(Markup markup)
{
    return kElements[static_cast<size_t>(markup)];
}

} // namespace

QString escapeQuotes(const QString& text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('"'), u"&quot;"_s);
    return escaped;
}

QString inScriptString(const QString& text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'"' || u == u'\\') {
            escaped += u'\\';
            escaped += c;
        } else if (u < 0x20 || u == u'<' || u == u'>' || u == u'&' || u == 0x2028 || u == 0x2029) {
            escaped += u"\\u"_s + QString::number(u, 16).rightJustified(4, u'0');
        } else {
            escaped += c;
        }
    }
    return escaped;
}

QString paramLine(const QString& name, const QString& value, Markup markup)
{
    const MarkupElements& elements = elementsOf(markup);
    return u'<' + QString::fromUtf16(elements.param) + u" name=\""_s + name + u"\" value=\""_s +
           escapeQuotes(value) + u"\">"_s + QString::fromUtf16(elements.paramEnd);
}

QString appletElement(Markup markup)
{
    return QString::fromUtf16(elementsOf(markup).applet);
}

QString scriptStartTag(Markup markup)
{
    return QString::fromUtf16(elementsOf(markup).scriptStart);
}

QString sizeAttribute(const QString& name, Markup markup)
{
    return markup == Markup::Modern ? name.toLower() : name;
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
