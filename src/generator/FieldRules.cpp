#include "generator/FieldRules.h"

#include "catalog/KeyTable.h"
#include "generator/FileProbe.h"
#include "generator/KindBlocks.h"

#include <limits>
#include <optional>

using namespace Qt::StringLiterals;

namespace morvane::generator {
namespace {

using catalog::CommonKeyId;
using catalog::CommonParameter;

// Only an optional sign and ASCII digits: QString::toInt alone would let blanks through.
bool parseStrictInt(const QString& text, qint64& value)
{
    const qsizetype digitsStart = (text.startsWith(u'+') || text.startsWith(u'-')) ? 1 : 0;
    if (digitsStart == text.size()) {
        return false;
    }
    for (qsizetype i = digitsStart; i < text.size(); ++i) {
        if (text.at(i) < u'0' || text.at(i) > u'9') {
            return false;
        }
    }
    bool ok = false;
    value = text.toLongLong(&ok, 10);
    return ok && value >= std::numeric_limits<qint32>::min() &&
           value <= std::numeric_limits<qint32>::max();
}

bool isIntegerFrom(const QString& text, qint64 minimum)
{
    qint64 value = 0;
    return parseStrictInt(text, value) && value >= minimum;
}

// The common width, height and message height are read the way the original program read them.
bool isSize(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok && value >= 1 && !text.contains(QChar(0));
}

QString fileFailure(const QString& path, const QString& invalidMessage, const QString& appDir)
{
    switch (probeFile(path, appDir)) {
    case FileState::Exists:
        return {};
    case FileState::Missing:
        return u"Can't find the file: "_s + path;
    case FileState::Invalid:
        break;
    }
    return invalidMessage;
}

struct CommonRule {
    CommonKeyId key;
    FieldRule rule;
    const char16_t* message;
    std::optional<CommonParameter> parameter = std::nullopt; // none: every kind
    std::optional<CommonKeyId> when = std::nullopt;
};

// In the order the generator checks them.
const CommonRule kCommonRules[] = {
    {CommonKeyId::Width, FieldRule::Size, u"Invalid width"},
    {CommonKeyId::Height, FieldRule::Size, u"Invalid height"},
    {CommonKeyId::BackgroundImage, FieldRule::OptionalFile, u"Invalid background image file name",
     CommonParameter::BackgroundImage},
    {CommonKeyId::OnloadSound, FieldRule::OptionalFile, u"Invalid on load sound file name",
     CommonParameter::LoadSound},
    {CommonKeyId::OnmouseoverSound, FieldRule::OptionalFile,
     u"Invalid on mouse over sound file name", CommonParameter::MouseOverSound},
    {CommonKeyId::OnclicSound, FieldRule::OptionalFile, u"Invalid on clic sound file name",
     CommonParameter::ClickSound},
    {CommonKeyId::OnmouseoverTextHeight, FieldRule::Size, u"Invalid message height",
     CommonParameter::MouseOverMessage, CommonKeyId::OnmouseoverTextEnabled},
};

std::optional<FieldRule> fieldRuleOf(Rule rule)
{
    switch (rule) {
    case Rule::PositiveInt:
        return FieldRule::PositiveInt;
    case Rule::AnyInt:
        return FieldRule::AnyInt;
    case Rule::RequiredText:
        return FieldRule::RequiredText;
    case Rule::OptionalText:
        return FieldRule::OptionalText;
    case Rule::File:
        return FieldRule::File;
    default:
        return std::nullopt;
    }
}

QString str(const char16_t* text)
{
    return text ? QString::fromUtf16(text) : QString();
}

} // namespace

QString valueFailure(FieldRule rule, const QString& value, const QString& message,
                     const QString& appDir)
{
    switch (rule) {
    case FieldRule::PositiveInt:
        return value.isEmpty() || isIntegerFrom(value, 1) ? QString() : message;
    case FieldRule::AnyInt:
        return value.isEmpty() || isIntegerFrom(value, std::numeric_limits<qint32>::min())
                   ? QString()
                   : message;
    case FieldRule::Size:
        return isSize(value) ? QString() : message;
    case FieldRule::RequiredText:
        return value.isEmpty() || value.contains(QChar(0)) ? u"You must specify "_s + message
                                                           : QString();
    case FieldRule::OptionalText:
        return value.contains(QChar(0)) ? u"You must specify "_s + message : QString();
    case FieldRule::File:
        if (value.isEmpty()) {
            return u"You must specify "_s + message;
        }
        return fileFailure(value, u"Invalid file name: "_s + value, appDir);
    case FieldRule::OptionalFile:
        return value.isEmpty() ? QString() : fileFailure(value, message, appDir);
    }
    return {};
}

QString allowedText(FieldRule rule)
{
    const QString largest = QString::number(std::numeric_limits<qint32>::max());
    switch (rule) {
    case FieldRule::PositiveInt:
        return u"A whole number from 1 to "_s + largest + u", or nothing"_s;
    case FieldRule::AnyInt:
        return u"A whole number from "_s + QString::number(std::numeric_limits<qint32>::min()) +
               u" to "_s + largest + u", or nothing"_s;
    case FieldRule::Size:
        return u"A whole number from 1 to "_s + largest;
    case FieldRule::RequiredText:
        return u"Some text: this field is required"_s;
    case FieldRule::OptionalText:
        return u"Any text"_s;
    case FieldRule::File:
        return u"The name of an existing file: this field is required"_s;
    case FieldRule::OptionalFile:
        return u"The name of an existing file, or nothing"_s;
    }
    return {};
}

std::vector<PageFieldRule> fieldRules(const QString& kind, const catalog::Support& support)
{
    std::vector<PageFieldRule> rules;
    for (const CommonRule& common : kCommonRules) {
        if (common.parameter && !support.has(*common.parameter)) {
            continue;
        }
        rules.push_back({true, catalog::commonKeyName(common.key), common.rule,
                         QString::fromUtf16(common.message),
                         common.when ? catalog::commonKeyName(*common.when) : QString()});
    }
    for (const Step& step : kindSteps(kind)) {
        const std::optional<FieldRule> rule = fieldRuleOf(step.rule);
        if (!rule || !step.source.key) {
            continue;
        }
        const QString key = QString::fromUtf16(step.source.key);
        const bool known =
            std::any_of(rules.begin(), rules.end(), [&](const PageFieldRule& fieldRule) {
                return !fieldRule.common && fieldRule.key == key;
            });
        if (!known) {
            rules.push_back({false, key, *rule, str(step.message), str(step.when)});
        }
    }
    return rules;
}

bool ruleApplies(const PageFieldRule& fieldRule, const settings::ValueSet& values)
{
    return fieldRule.when.isEmpty() || !values.text(fieldRule.when).isEmpty() ||
           values.flag(fieldRule.when);
}

QString firstMalformedValue(const std::vector<PageFieldRule>& rules,
                            const settings::ValueSet& common, const settings::ValueSet& specific)
{
    for (const PageFieldRule& fieldRule : rules) {
        const bool number = fieldRule.rule == FieldRule::PositiveInt ||
                            fieldRule.rule == FieldRule::AnyInt ||
                            fieldRule.rule == FieldRule::Size;
        const settings::ValueSet& values = fieldRule.common ? common : specific;
        if (!number || !ruleApplies(fieldRule, values)) {
            continue;
        }
        const QString value = values.text(fieldRule.key);
        if (!valueFailure(fieldRule.rule, value, fieldRule.message, QString()).isEmpty()) {
            return fieldRule.key + u" is not valid: \""_s + value + u"\" ("_s +
                   allowedText(fieldRule.rule) + u')';
        }
    }
    return {};
}

settings::ValueCheck importCheck(const QString& kind, const catalog::Support& support)
{
    return [kind, rules = fieldRules(kind, support)](const settings::WorkingCopy& copy) {
        const QString malformed = firstMalformedValue(rules, copy.common(), copy.specific(kind));
        return malformed.isEmpty() ? Result::success() : Result::failure(malformed);
    };
}

} // namespace morvane::generator
