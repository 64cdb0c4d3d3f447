#include "generator/Generator.h"

#include "catalog/KeyTable.h"
#include "catalog/Version.h"
#include "generator/FieldRules.h"
#include "generator/Html.h"
#include "generator/KindBlocks.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace morvane::generator {
namespace {

using catalog::CommonParameter;

using K = catalog::CommonKeyId;

QString text(const GenerationContext& ctx, K key)
{
    return ctx.common().text(catalog::commonKeyName(key));
}

bool flag(const GenerationContext& ctx, K key)
{
    return ctx.common().flag(catalog::commonKeyName(key));
}

bool checkCommonValues(GenerationContext& ctx, const catalog::Support& support)
{
    for (const PageFieldRule& fieldRule : fieldRules(QString(), support)) {
        if (!fieldRule.common || !ruleApplies(fieldRule, ctx.common())) {
            continue;
        }
        const QString value = ctx.common().text(fieldRule.key);
        if (const QString failure =
                valueFailure(fieldRule.rule, value, fieldRule.message, ctx.appDir());
            !failure.isEmpty()) {
            return ctx.fail(failure);
        }
        if (fieldRule.rule == FieldRule::OptionalFile && !value.isEmpty()) {
            ctx.addMedia(value);
        }
    }
    return true;
}

// Each writes the key under its parameter name, when the key's parameter is supported.
void writeCommonText(GenerationContext& ctx, K key)
{
    ctx.param(catalog::commonKeyInfo(key).paramName(), text(ctx, key));
}

void writeCommonColor(GenerationContext& ctx, K key)
{
    ctx.colorParam(catalog::commonKeyInfo(key).paramName(),
                   ctx.common().color(catalog::commonKeyName(key)));
}

void writeCommonFile(GenerationContext& ctx, CommonParameter parameter, K key)
{
    const QString path = text(ctx, key);
    if (ctx.supports(parameter) && !path.isEmpty()) {
        ctx.param(catalog::commonKeyInfo(key).paramName(), fileNamePart(path));
    }
}

void writeCommonParameters(GenerationContext& ctx)
{
    const auto attribute = [&](K key) -> QString {
        return u' ' + sizeAttribute(catalog::commonKeyInfo(key).paramName(), ctx.markup()) +
               u"=\""_s + escapeQuotes(text(ctx, key)) + u'"';
    };
    ctx.lines().append(u'<' + appletElement(ctx.markup()) + u" code=\""_s +
                       escapeQuotes(ctx.kind()) + u".class\""_s + attribute(K::Width) +
                       attribute(K::Height) + u'>');
    ctx.param(u"generator"_s, generatorValue());

    if (ctx.supports(CommonParameter::BackgroundColor)) {
        writeCommonColor(ctx, K::BackgroundColor);
    }
    writeCommonFile(ctx, CommonParameter::BackgroundImage, K::BackgroundImage);
    if (ctx.supports(CommonParameter::StatusbarMessage) &&
        !text(ctx, K::StatusbarMessage).isEmpty()) {
        writeCommonText(ctx, K::StatusbarMessage);
    }
    if (ctx.supports(CommonParameter::LoadSound) && !text(ctx, K::OnloadSound).isEmpty()) {
        writeCommonFile(ctx, CommonParameter::LoadSound, K::OnloadSound);
        ctx.param(catalog::commonKeyInfo(K::Loop).paramName(),
                  flag(ctx, K::Loop) ? u"yes"_s : u"no"_s);
    }
    writeCommonFile(ctx, CommonParameter::MouseOverSound, K::OnmouseoverSound);
    if (ctx.supports(CommonParameter::MouseOverColor) &&
        flag(ctx, K::OnmouseoverBackgroundColorEnabled)) {
        writeCommonColor(ctx, K::OnmouseoverBackgroundColor);
    }
    if (ctx.supports(CommonParameter::MouseOverMessage) && flag(ctx, K::OnmouseoverTextEnabled) &&
        !text(ctx, K::OnmouseoverText).isEmpty()) {
        writeCommonText(ctx, K::OnmouseoverText);
        writeCommonColor(ctx, K::OnmouseoverTextColor);
        writeCommonText(ctx, K::OnmouseoverTextHeight);
    }
    writeCommonFile(ctx, CommonParameter::ClickSound, K::OnclicSound);
    if (ctx.supports(CommonParameter::ClickLink) && !text(ctx, K::Link).isEmpty()) {
        writeCommonText(ctx, K::Link);
        if (!text(ctx, K::Target).isEmpty()) {
            writeCommonText(ctx, K::Target);
        }
    }
}

} // namespace

QString generatorValue()
{
    return u"Morvane "_s + versionText() + u" - "_s + makerHomePage();
}

Outcome<Generation> generate(const GenerationInput& input)
{
    GenerationContext ctx(input);
    if (!checkCommonValues(ctx, input.support)) {
        return ctx.finish(false);
    }
    writeCommonParameters(ctx);
    return ctx.finish(runKindBlock(ctx));
}

void closeApplet(Generation& generation, const QString& kind, const QString& noJavaMessage,
                 Markup markup)
{
    if (kind == u"WhoIsVisitor"_s) {
        return;
    }
    if (!noJavaMessage.isEmpty()) {
        generation.lines.append(noJavaMessage);
    }
    generation.lines.append(u"</"_s + appletElement(markup) + u'>');
}

Outcome<Generation> generateClosed(const GenerationInput& input)
{
    Outcome<Generation> generation = generate(input);
    if (!generation) {
        return generation;
    }
    closeApplet(generation.value(), input.kind,
                input.values.common().text(catalog::commonKeyName(K::NoJavaMessage)), input.markup);
    if (input.runtime) {
        addRuntime(generation.value(), input.appDir, input.kind);
    }
    return generation;
}

QString runtimeScriptLine()
{
    return u"<script src=\"morvane-applets.js\" defer></script>"_s;
}

QString runtimeStyleLine()
{
    return u"<link rel=\"stylesheet\" href=\"morvane-applets.css\">"_s;
}

QStringList runtimeFilePaths(const QString& appDir, const QString& kind)
{
    struct KindFile {
        QStringView kind;
        QStringView file;
    };
    static constexpr KindFile kKindFiles[] = {
#include "RuntimeKindFiles.inc"
    };
    const QDir runtime(QDir(appDir).filePath(u"runtime"_s));
    QStringList paths{runtime.filePath(u"morvane-applets.js"_s),
                      runtime.filePath(u"morvane-applets.css"_s)};
    for (const KindFile& row : kKindFiles) {
        if (row.kind == kind) {
            paths.append(runtime.filePath(row.file.toString()));
        }
    }
    return paths;
}

void addRuntime(Generation& generation, const QString& appDir, const QString& kind)
{
    generation.lines.prepend(runtimeStyleLine());
    generation.lines.append(runtimeScriptLine());
    generation.media.append(runtimeFilePaths(appDir, kind));
}

} // namespace morvane::generator
