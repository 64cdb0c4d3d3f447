#include "generator/FieldRules.h"

#include "catalog/KeyTable.h"
#include "generator/FileProbe.h"
#include "generator/KindBlocks.h"

#include <algorithm>
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
    case Rule::FileList:
        return FieldRule::FileList;
    case Rule::TextList:
        return FieldRule::TextList;
    case Rule::MenuTree:
        return FieldRule::MenuTree;
    default:
        return std::nullopt;
    }
}

QString str(const char16_t* text)
{
    return text ? QString::fromUtf16(text) : QString();
}

bool hasNul(const QString& text)
{
    return text.contains(QChar(0));
}

// The rule of one step as the page checks it; a field the kind reads twice is checked once.
void addStepRule(std::vector<PageFieldRule>& rules, const Step& step,
                 std::vector<ChoiceGuard> chosen)
{
    const std::optional<FieldRule> rule = fieldRuleOf(step.rule);
    if (!rule || (!step.source.key && !step.source.list)) {
        return;
    }
    PageFieldRule added{false,          str(step.source.key), *rule,           str(step.message),
                        str(step.when), std::move(chosen),    step.source.list};
    const bool known = std::any_of(rules.begin(), rules.end(), [&](const PageFieldRule& other) {
        return !other.common && other.key == added.key && other.list == added.list &&
               other.chosen.empty() && added.chosen.empty();
    });
    if (!known) {
        rules.push_back(std::move(added));
    }
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
    case FieldRule::FileList:
    case FieldRule::TextList:
    case FieldRule::MenuTree:
        break;
    }
    return {};
}

QString listFailure(FieldRule rule, const QStringList& entries, const QString& message,
                    const QString& appDir)
{
    if (entries.isEmpty() ||
        (rule == FieldRule::TextList && std::any_of(entries.begin(), entries.end(), hasNul))) {
        return u"You must add at least "_s + message;
    }
    if (rule != FieldRule::FileList) {
        return {};
    }
    for (const QString& path : entries) {
        // A path that cannot even be tested names no file either.
        if (probeFile(path, appDir) != FileState::Exists) {
            return u"Can't find the file: "_s + path;
        }
    }
    return {};
}

QString treeFailure(const settings::MenuTree& tree)
{
    const settings::TreeNode* root = tree.root();
    const QString failure = u"You must add at least an item in the menu hierarchy"_s;
    if (!root || root->children.empty()) {
        return failure;
    }
    // Without recursion: a tree file can nest as deep as it has lines.
    std::vector<const settings::TreeNode*> pending{root};
    while (!pending.empty()) {
        const settings::TreeNode* node = pending.back();
        pending.pop_back();
        for (const settings::TreeNode& child : node->children) {
            if (hasNul(child.text)) {
                return failure;
            }
            pending.push_back(&child);
        }
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
    case FieldRule::FileList:
        return u"One or more entries, each the name of an existing file"_s;
    case FieldRule::TextList:
        return u"One or more entries"_s;
    case FieldRule::MenuTree:
        return u"One or more items under Root"_s;
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
        addStepRule(rules, step, {});
        for (const GuardedStep& guarded : step.checks) {
            std::vector<ChoiceGuard> chosen;
            for (const ChoiceGuard& guard : {guarded.guard, guarded.also}) {
                if (guard.key) {
                    chosen.push_back(guard);
                }
            }
            addStepRule(rules, guarded.step, std::move(chosen));
        }
    }
    return rules;
}

bool ChoiceGuard::holds(const settings::ValueSet& values) const
{
    return !key ||
           std::ranges::find(positions, values.choice(QString::fromUtf16(key))) != positions.end();
}

bool PageFieldRule::isNumber() const
{
    return rule == FieldRule::PositiveInt || rule == FieldRule::AnyInt || rule == FieldRule::Size;
}

bool ruleApplies(const PageFieldRule& fieldRule, const settings::ValueSet& values)
{
    const bool when = fieldRule.when.isEmpty() || !values.text(fieldRule.when).isEmpty() ||
                      values.flag(fieldRule.when);
    return when && std::ranges::all_of(fieldRule.chosen, [&](const ChoiceGuard& guard) {
               return guard.holds(values);
           });
}

QString ruleFailure(const PageFieldRule& fieldRule, const settings::WorkingCopy& copy,
                    const QString& kind, const QString& appDir)
{
    const settings::ValueSet& values = fieldRule.common ? copy.common() : copy.specific(kind);
    if (!ruleApplies(fieldRule, values)) {
        return {};
    }
    if (fieldRule.rule == FieldRule::MenuTree) {
        return fieldRule.list ? treeFailure(copy.tree(*fieldRule.list)) : QString();
    }
    if (fieldRule.rule == FieldRule::FileList || fieldRule.rule == FieldRule::TextList) {
        return fieldRule.list ? listFailure(fieldRule.rule, copy.list(*fieldRule.list),
                                            fieldRule.message, appDir)
                              : QString();
    }
    return valueFailure(fieldRule.rule, values.text(fieldRule.key), fieldRule.message, appDir);
}

QString firstMalformedValue(const std::vector<PageFieldRule>& rules,
                            const settings::ValueSet& common, const settings::ValueSet& specific)
{
    for (const PageFieldRule& fieldRule : rules) {
        const settings::ValueSet& values = fieldRule.common ? common : specific;
        if (!fieldRule.isNumber() || !ruleApplies(fieldRule, values)) {
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
