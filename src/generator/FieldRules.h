#pragma once

#include "catalog/Catalog.h"
#include "settings/KindFile.h"
#include "settings/ValueSet.h"

#include <QString>

#include <vector>

namespace morvane::generator {

// The tests one value of a field goes through, shared by the writers that generate the code
// and by the page that marks a field as the user types: the two never disagree.
enum class FieldRule {
    PositiveInt,  // empty, or a signed 32-bit decimal integer greater than 0
    AnyInt,       // empty, or a signed 32-bit decimal integer
    Size,         // a number of 1 or more, as the common width and height are read
    RequiredText, // not empty, no NUL
    OptionalText, // no NUL
    File,         // not empty, an existing file
    OptionalFile, // empty, or an existing file
};

// The generator's failure for `value`, or an empty text when it passes. `message` is the rule's
// wording as the generator's tables give it: the failure for the numbers, what comes after
// "You must specify " for the required texts and files, the failure for a file name that cannot
// be a file for an optional file. Files are looked for from `appDir`.
QString valueFailure(FieldRule rule, const QString& value, const QString& message,
                     const QString& appDir);

// What the rule allows, said for the user under a field that breaks it.
QString allowedText(FieldRule rule);

// A field's rule on the page: the setting, in the common values or in the kind's own, with the
// generator's wording. `when` names a field of the same values that must be a non-empty text or
// a ticked box for the rule to apply.
struct PageFieldRule {
    bool common = false;
    QString key;
    FieldRule rule = FieldRule::OptionalText;
    QString message;
    QString when;
};

// Every field rule the generator applies to the kind, common fields first, as the kind's
// support decides which common fields it reads.
std::vector<PageFieldRule> fieldRules(const QString& kind, const catalog::Support& support);

// Whether the rule's `when` holds in `values`.
bool ruleApplies(const PageFieldRule& fieldRule, const settings::ValueSet& values);

// The first rule of `rules` whose value is malformed (numbers only: texts and files are left to
// the generator, which says what is missing), as "KEY: allowed", or an empty text.
QString firstMalformedValue(const std::vector<PageFieldRule>& rules,
                            const settings::ValueSet& common, const settings::ValueSet& specific);

// The check an import adds (see settings::applyKindFile): the numbers that would not validate.
settings::ValueCheck importCheck(const QString& kind, const catalog::Support& support);

} // namespace morvane::generator
