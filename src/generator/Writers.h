#pragma once

#include "generator/GenerationContext.h"
#include "settings/MenuTree.h"

#include <QString>
#include <QStringList>

namespace morvane::generator {

// The validating writers every kind's parameters go through. Each appends its line(s) to the
// context, adds media where files are involved, and returns false after recording the first
// failure's message in the context.

// A NUL cuts a value short wherever it is read next (the browser, a C string), so it is refused
// like any other invalid value.
bool anyHasNul(const QStringList& entries);

enum class Negatives { Refused, Allowed };
enum class Requirement { Required, Optional };

// Empty: nothing written, accepted. Otherwise a signed 32-bit decimal integer (greater than 0
// unless negatives are allowed), written as typed.
bool writeInteger(GenerationContext& ctx, const QString& name, const QString& text,
                  const QString& message, Negatives negatives = Negatives::Refused);

// Empty: "You must specify " + description when required, nothing when optional.
bool writeText(GenerationContext& ctx, const QString& name, const QString& text,
               const QString& description, Requirement requirement);

// The file must exist; writes its file-name part and adds the path to the media list.
bool writeFile(GenerationContext& ctx, const QString& name, const QString& path,
               const QString& description);

// base1..baseN with the entries' file-name parts, then `countName` = N unless it is "-".
bool writeFileList(GenerationContext& ctx, const QString& baseName, const QStringList& paths,
                   const QString& description, const QString& countName);

// base1..baseN with the entries as stored, then the count unless it is "-"; an empty
// `countName` only requires the list to be non-empty and writes nothing.
bool writeTextList(GenerationContext& ctx, const QString& baseName, const QStringList& entries,
                   const QString& description, const QString& countName);

// "text"/"link" + index path for every node below the tree's root, depth first.
bool writeMenuHierarchy(GenerationContext& ctx, const settings::MenuTree& tree);

} // namespace morvane::generator
