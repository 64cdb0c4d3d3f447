#pragma once

#include "catalog/Catalog.h"
#include "settings/KindFile.h"
#include "settings/MenuTree.h"
#include "settings/ValueSet.h"
#include "settings/WorkingCopy.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <span>
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
    FileList,     // a list of one or more entries, each an existing file
    TextList,     // a list of one or more entries, none with a NUL
    MenuTree,     // a tree with one or more items under its root, none with a NUL
};

// The generator's failure for `value`, or an empty text when it passes. `message` is the rule's
// wording as the generator's tables give it: the failure for the numbers, what comes after
// "You must specify " for the required texts and files, the failure for a file name that cannot
// be a file for an optional file. Files are looked for from `appDir`.
QString valueFailure(FieldRule rule, const QString& value, const QString& message,
                     const QString& appDir);

// The generator's failure for a list the file or text list rule reads, or an empty text.
// `message` is what comes after "You must add at least ".
QString listFailure(FieldRule rule, const QStringList& entries, const QString& message,
                    const QString& appDir);

// The generator's failure for a menu tree, or an empty text.
QString treeFailure(const settings::MenuTree& tree);

// What the rule allows, said for the user under a field that breaks it.
QString allowedText(FieldRule rule);

// A choice field and the positions of its buttons under which a check is made; a guard without
// a key always holds.
struct ChoiceGuard {
    const char16_t* key = nullptr;
    std::span<const int> positions = {};

    bool holds(const settings::ValueSet& values) const;
};

// A field's rule on the page: the setting, in the common values or in the kind's own, or one of
// the kind's lists, with the generator's wording. `when` names a field of the same values that
// must be a non-empty text or a ticked box for the rule to apply, and every guard of `chosen`
// must hold.
struct PageFieldRule {
    bool common = false;
    QString key;
    FieldRule rule = FieldRule::OptionalText;
    QString message;
    QString when;
    std::vector<ChoiceGuard> chosen = {};
    std::optional<catalog::ListFileId> list = std::nullopt; // what a list rule reads

    bool isNumber() const;
};

// Every field rule the generator applies to the kind, common fields first, as the kind's
// support decides which common fields it reads.
std::vector<PageFieldRule> fieldRules(const QString& kind, const catalog::Support& support);

// Whether the rule's `when` and guards hold in `values`.
bool ruleApplies(const PageFieldRule& fieldRule, const settings::ValueSet& values);

// The generator's failure for the rule in `kind` of `copy`, or an empty text when it passes or
// does not apply.
QString ruleFailure(const PageFieldRule& fieldRule, const settings::WorkingCopy& copy,
                    const QString& kind, const QString& appDir);

// The first rule of `rules` whose value is malformed (numbers only: texts and files are left to
// the generator, which says what is missing), as "KEY: allowed", or an empty text.
QString firstMalformedValue(const std::vector<PageFieldRule>& rules,
                            const settings::ValueSet& common, const settings::ValueSet& specific);

// The check an import adds (see settings::applyKindFile): the numbers that would not validate.
settings::ValueCheck importCheck(const QString& kind, const catalog::Support& support);

} // namespace morvane::generator
