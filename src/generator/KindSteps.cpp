#include "generator/KindSteps.h"

#include "generator/Html.h"
#include "generator/Writers.h"

using namespace Qt::StringLiterals;

namespace morvane::generator {
namespace {

QString str(const char16_t* text)
{
    return text ? QString::fromUtf16(text) : QString();
}

QString countName(const Step& step)
{
    return step.count ? QString::fromUtf16(step.count) : u"-"_s;
}

bool isSet(const settings::ValueSet& values, const QString& key)
{
    return !values.text(key).isEmpty() || values.flag(key);
}

QString choiceValue(const Step& step, int index)
{
    if (index == 0) {
        return str(step.firstValue);
    }
    if (index == 1 && step.secondValue) {
        return str(step.secondValue);
    }
    return str(step.otherValue);
}

bool runStep(GenerationContext& ctx, const Step& step)
{
    const settings::ValueSet& values = ctx.specific();
    const QString name = str(step.param);
    const QString source = str(step.source.key);
    const QString message = str(step.message);

    switch (step.rule) {
    case Rule::PositiveInt:
        return writeInteger(ctx, name, values.text(source), message, Negatives::Refused);
    case Rule::AnyInt:
        return writeInteger(ctx, name, values.text(source), message, Negatives::Allowed);
    case Rule::RequiredText:
        return writeText(ctx, name, values.text(source), message, Requirement::Required);
    case Rule::OptionalText:
        return writeText(ctx, name, values.text(source), message, Requirement::Optional);
    case Rule::File:
        return writeFile(ctx, name, values.text(source), message);
    case Rule::FileList:
        return writeFileList(ctx, name, ctx.list(*step.source.list), message, countName(step));
    case Rule::TextList:
        return writeTextList(ctx, name, ctx.list(*step.source.list), message, countName(step));
    case Rule::Color:
        ctx.colorParam(name, values.color(source));
        return true;
    case Rule::AsTyped:
        ctx.param(name, values.text(source));
        return true;
    case Rule::Choice:
        ctx.param(name, choiceValue(step, values.choice(source)));
        return true;
    case Rule::Index:
        ctx.param(name, QString::number(values.choice(source)));
        return true;
    case Rule::MenuTree:
        return writeMenuHierarchy(ctx, ctx.tree(*step.source.list));
    case Rule::Custom:
        return step.custom(ctx);
    case Rule::Flag:
        ctx.param(name, values.flag(source) ? str(step.firstValue) : str(step.otherValue));
        return true;
    case Rule::FileName:
        if (!values.text(source).isEmpty()) {
            ctx.param(name, fileNamePart(values.text(source)));
        }
        return true;
    }
    return true;
}

} // namespace

bool runSteps(GenerationContext& ctx, std::span<const Step> steps)
{
    for (const Step& step : steps) {
        if (step.when && !isSet(ctx.specific(), QString::fromUtf16(step.when))) {
            continue;
        }
        if (!runStep(ctx, step)) {
            return false;
        }
    }
    return true;
}

bool runGuardedSteps(GenerationContext& ctx, std::span<const GuardedStep> steps)
{
    for (const GuardedStep& guarded : steps) {
        if (guarded.guard.holds(ctx.specific()) && guarded.also.holds(ctx.specific()) &&
            !runSteps(ctx, std::span(&guarded.step, 1))) {
            return false;
        }
    }
    return true;
}

} // namespace morvane::generator
