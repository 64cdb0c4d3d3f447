#include "catalog/KeyTable.h"
#include "generator/Generator.h"
#include "generator/Html.h"
#include "generator/kinds/OtherColumnsSteps.h"

using namespace Qt::StringLiterals;

namespace morvane::generator {

// The classic code writes the applet tag from a script at page-load time, so that the visitor's
// referrer can be passed to it; the common lines written before are discarded, the media stay.
// The valid markup is the element alone, which a strict policy lets run: the runtime reads the
// referrer itself.
bool writeVisitorScript(GenerationContext& ctx)
{
    if (!runGuardedSteps(ctx, kVisitorSteps)) {
        return false;
    }
    const QString recipient = ctx.specific().text(u"Recipient"_s);
    const QString sender = ctx.specific().text(u"Sender"_s);

    if (ctx.markup() == Markup::Modern) {
        const QString startTag = ctx.lines().constFirst();
        ctx.lines() = QStringList{
            startTag,
            paramLine(u"generator"_s, generatorValue(), Markup::Modern),
            paramLine(u"recipient"_s, recipient, Markup::Modern),
            paramLine(u"sender"_s, sender, Markup::Modern),
            u"</"_s + appletElement(Markup::Modern) + u'>',
        };
        return true;
    }

    // Each value is written twice over: as the attribute text a parameter line would carry
    // (the page decodes it as it decodes those), then as script string text, so that it cannot
    // end the string, the script, or the attribute the script writes.
    const auto written = [](const QString& value) { return inScriptString(escapeQuotes(value)); };
    const QString width =
        written(ctx.common().text(catalog::commonKeyName(catalog::CommonKeyId::Width)));
    const QString height =
        written(ctx.common().text(catalog::commonKeyName(catalog::CommonKeyId::Height)));
    ctx.lines() = QStringList{
        scriptStartTag(ctx.markup()),
        u"<!--"_s,
        u"document.write(\"<APPLET CODE=WhoIsVisitor.class WIDTH="_s + width + u" HEIGHT="_s +
            height + u">\");"_s,
        u"document.write(\"<PARAM NAME=recipient VALUE=\\\""_s + written(recipient) +
            u"\\\">\");"_s,
        u"document.write(\"<PARAM NAME=sender VALUE=\\\""_s + written(sender) + u"\\\">\");"_s,
        u"document.write(\"<PARAM NAME=lastvisited VALUE=\\\"\");"_s,
        u"document.write(escape(document.referrer));"_s,
        u"document.write(\"\\\"></APPLET>\");"_s,
        u"// -->"_s,
        u"</script>"_s,
    };
    return true;
}

} // namespace morvane::generator
