#include "generator/Generator.h"

#include "catalog/Version.h"
#include "generator/Html.h"
#include "generator/KindBlocks.h"

#include <QDir>

namespace morvane::generator {
namespace {

using catalog::CommonParameter;

bool isPositiveInteger(const QString& text, int minimum)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok && value >= minimum && !text.contains(QChar(0));
}

struct CommonMediaCheck {
    CommonParameter parameter;
    const char16_t* key;
    const char16_t* invalidMessage;
};

constexpr CommonMediaCheck kCommonMedia[] = {
    {CommonParameter::BackgroundImage, u"BackgroundImage", u"Invalid background image file name"},
    {CommonParameter::LoadSound, u"OnloadSound", u"Invalid on load sound file name"},
    {CommonParameter::MouseOverSound, u"OnmouseoverSound",
     u"Invalid on mouse over sound file name"},
    {CommonParameter::ClickSound, u"OnclicSound", u"Invalid on clic sound file name"},
};

bool checkCommonValues(GenerationContext& ctx)
{
    const settings::ValueSet& common = ctx.common();
    if (!isPositiveInteger(common.text(QStringLiteral("Width")), 1))
        return ctx.fail(QStringLiteral("Invalid width"));
    if (!isPositiveInteger(common.text(QStringLiteral("Height")), 1))
        return ctx.fail(QStringLiteral("Invalid height"));

    for (const CommonMediaCheck& check : kCommonMedia) {
        const QString path = common.text(QString::fromUtf16(check.key));
        if (!ctx.supports(check.parameter) || path.isEmpty())
            continue;
        switch (ctx.probe(path)) {
        case FileState::Exists:
            ctx.addMedia(path);
            break;
        case FileState::Missing:
            return ctx.fail(QStringLiteral("Can't find the file: ") + path);
        case FileState::Invalid:
            return ctx.fail(QString::fromUtf16(check.invalidMessage));
        }
    }

    if (common.flag(QStringLiteral("OnmouseoverTextEnabled")) &&
        ctx.supports(CommonParameter::MouseOverMessage) &&
        !isPositiveInteger(common.text(QStringLiteral("OnmouseoverTextHeight")), 1))
        return ctx.fail(QStringLiteral("Invalid message height"));
    return true;
}

void writeFileParam(GenerationContext& ctx, CommonParameter parameter, const QString& name,
                    const QString& key)
{
    const QString path = ctx.common().text(key);
    if (ctx.supports(parameter) && !path.isEmpty())
        ctx.param(name, fileNamePart(path));
}

void writeCommonParameters(GenerationContext& ctx)
{
    const settings::ValueSet& common = ctx.common();
    const auto text = [&](const char16_t* key) { return common.text(QString::fromUtf16(key)); };

    ctx.lines().append(QStringLiteral("<applet code=\"") + escapeQuotes(ctx.kind()) +
                       QStringLiteral(".class\" WIDTH=\"") + escapeQuotes(text(u"Width")) +
                       QStringLiteral("\" HEIGHT=\"") + escapeQuotes(text(u"Height")) +
                       QStringLiteral("\">"));
    ctx.param(QStringLiteral("generator"), generatorValue());

    if (ctx.supports(CommonParameter::BackgroundColor))
        ctx.colorParam(QStringLiteral("background_color"),
                       common.color(QStringLiteral("BackgroundColor")));
    writeFileParam(ctx, CommonParameter::BackgroundImage, QStringLiteral("background_image"),
                   QStringLiteral("BackgroundImage"));
    if (ctx.supports(CommonParameter::StatusbarMessage) && !text(u"StatusbarMessage").isEmpty())
        ctx.param(QStringLiteral("status_bar_text"), text(u"StatusbarMessage"));
    if (ctx.supports(CommonParameter::LoadSound) && !text(u"OnloadSound").isEmpty()) {
        writeFileParam(ctx, CommonParameter::LoadSound, QStringLiteral("sound_name"),
                       QStringLiteral("OnloadSound"));
        ctx.param(QStringLiteral("loop_sound"), common.flag(QStringLiteral("Loop"))
                                                    ? QStringLiteral("yes")
                                                    : QStringLiteral("no"));
    }
    writeFileParam(ctx, CommonParameter::MouseOverSound, QStringLiteral("enter_sound_name"),
                   QStringLiteral("OnmouseoverSound"));
    if (ctx.supports(CommonParameter::MouseOverColor) &&
        common.flag(QStringLiteral("OnmouseoverBackgroundColorEnabled")))
        ctx.colorParam(QStringLiteral("enter_background_color"),
                       common.color(QStringLiteral("OnmouseoverBackgroundColor")));
    if (ctx.supports(CommonParameter::MouseOverMessage) &&
        common.flag(QStringLiteral("OnmouseoverTextEnabled")) &&
        !text(u"OnmouseoverText").isEmpty()) {
        ctx.param(QStringLiteral("enter_text"), text(u"OnmouseoverText"));
        ctx.colorParam(QStringLiteral("enter_text_color"),
                       common.color(QStringLiteral("OnmouseoverTextColor")));
        ctx.param(QStringLiteral("enter_text_height"), text(u"OnmouseoverTextHeight"));
    }
    writeFileParam(ctx, CommonParameter::ClickSound, QStringLiteral("clic_sound_name"),
                   QStringLiteral("OnclicSound"));
    if (ctx.supports(CommonParameter::ClickLink) && !text(u"Link").isEmpty()) {
        ctx.param(QStringLiteral("link"), text(u"Link"));
        if (!text(u"Target").isEmpty())
            ctx.param(QStringLiteral("target"), text(u"Target"));
    }
}

} // namespace

QString generatorValue()
{
    return QStringLiteral("Morvane ") + versionText() + QStringLiteral(" - ") + makerHomePage();
}

Generation generate(const GenerationInput& input)
{
    GenerationContext ctx(input);
    if (!checkCommonValues(ctx))
        return ctx.finish(false);
    writeCommonParameters(ctx);
    return ctx.finish(runKindBlock(ctx));
}

void closeApplet(Generation& generation, const QString& kind, const QString& noJavaMessage)
{
    if (kind == QStringLiteral("WhoIsVisitor"))
        return;
    if (!noJavaMessage.isEmpty())
        generation.lines.append(noJavaMessage);
    generation.lines.append(QStringLiteral("</applet>"));
}

Generation generateClosed(const GenerationInput& input)
{
    Generation generation = generate(input);
    if (generation.ok)
        closeApplet(generation, input.kind,
                    input.values.common().text(QStringLiteral("NoJavaMessage")));
    if (generation.ok && input.runtime)
        addRuntime(generation, input.appDir);
    return generation;
}

QString runtimeScriptLine()
{
    return QStringLiteral("<script src=\"morvane-applets.js\"></script>");
}

QString runtimeFilePath(const QString& appDir)
{
    return QDir(appDir).filePath(QStringLiteral("runtime/morvane-applets.js"));
}

void addRuntime(Generation& generation, const QString& appDir)
{
    generation.lines.append(runtimeScriptLine());
    generation.media.append(runtimeFilePath(appDir));
}

} // namespace morvane::generator
