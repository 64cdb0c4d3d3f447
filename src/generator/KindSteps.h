#pragma once

#include "generator/FieldRules.h"
#include "generator/GenerationContext.h"

#include <optional>
#include <span>

namespace morvane::generator {

// How one step of a kind's block takes its value and validates it. Values come from the kind's
// own fields (`ctx.specific()`), lists and trees from the working copy by their ListFileId.
enum class Rule {
    PositiveInt,  // integer writer, > 0
    AnyInt,       // integer writer, negatives allowed
    RequiredText, // text writer; `message` is the description after "You must specify "
    OptionalText, // text writer
    File,         // file writer; `message` is the description after "You must specify "
    FileList,     // file-list writer over the list file `source`; `message` the description
    TextList,     // text-list writer over the list file `source`; `message` the description
    Color,        // "#RRGGBB"
    AsTyped,      // the text without any test, also when empty
    Choice,       // `firstValue` for the first button, `secondValue` (when set) for the
                  // second, `otherValue` for any other state, no selection included
    Index,        // the selected button's position, -1 when none
    MenuTree,     // menu hierarchy writer over the tree file `source`
    Custom,       // code: `custom` does the step
    Flag,         // check box `source`: `firstValue` when ticked, `otherValue` otherwise
    FileName,     // only when not empty: the file-name part, neither tested nor a media file
};

// What a step reads: one of the kind's settings by key, or one of its list files.
struct StepSource {
    constexpr StepSource() = default;
    constexpr StepSource(const char16_t* settingKey)
        : key(settingKey)
    {}
    constexpr StepSource(catalog::ListFileId listFile)
        : list(listFile)
    {}

    const char16_t* key = nullptr;
    std::optional<catalog::ListFileId> list;
};

struct GuardedStep;

struct Step {
    Rule rule;
    const char16_t* param;             // parameter name, or base name of a numbered series
    StepSource source;                 // a setting, or the list file of a list or tree rule
    const char16_t* message = nullptr; // failure message or description, per rule
    // Lists: the count parameter's name. nullptr or u"-": no count line. For a text list, u""
    // only requires the list to be non-empty and writes nothing at all.
    const char16_t* count = nullptr;
    const char16_t* firstValue = nullptr;
    const char16_t* otherValue = nullptr;
    const char16_t* secondValue = nullptr;
    bool (*custom)(GenerationContext&) = nullptr;
    // When set, the step runs only if this field of the kind is a non-empty text or a ticked
    // box; otherwise it is skipped, its value neither validated nor written.
    const char16_t* when = nullptr;
    // The list files a custom step's code reads besides its source, declared so that what each
    // kind reads can be checked against the list files it owns.
    std::span<const catalog::ListFileId> reads = {};
    // The steps a custom step's code runs, declared so that the page marks their fields as the
    // generator would refuse them.
    std::span<const GuardedStep> checks = {};
};

// A step run only while both guards hold, as the choices of the kind decide what it reads.
struct GuardedStep {
    Step step;
    ChoiceGuard guard = {};
    ChoiceGuard also = {};
};

struct KindBlock {
    const char16_t* kind;
    std::span<const Step> steps;
};

// Runs the steps in order and stops at the first failure.
bool runSteps(GenerationContext& ctx, std::span<const Step> steps);

// Runs, in order, the steps whose guards hold, and stops at the first failure.
bool runGuardedSteps(GenerationContext& ctx, std::span<const GuardedStep> steps);

} // namespace morvane::generator
