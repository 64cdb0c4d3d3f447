#pragma once

#include "base/Outcome.h"
#include "base/Result.h"
#include "settings/KindFile.h"
#include "settings/WorkingCopy.h"

#include <QString>
#include <QStringList>

namespace morvane::settings {

// Named settings of a kind, kept beside the current ones: presets/KIND/NAME.ini in the
// installation folder, each a kind file (KindFile.h). The current values stay where they are,
// in the kind's section of morvane.ini; a preset only ever fills the working copy.

QString presetsFolder(const QString& appDir, const QString& kind);
QString presetPath(const QString& appDir, const QString& kind, const QString& name);

// Empty when `name` can name a preset on every system: 1 to 64 characters, none of
// / \ : * ? " < > | nor a control character, no leading or trailing blank, no leading or
// trailing dot. Otherwise the message saying why not.
QString presetNameProblem(const QString& name);

// The kind's presets by name, sorted without regard to case; none when the folder is missing.
Outcome<QStringList> listPresets(const QString& appDir, const QString& kind);

enum class Existing { Keep, Replace };

// Keeps the kind's part of `copy` as the preset `name`. A preset of that name is replaced only
// when asked; otherwise the save fails and says so.
Result savePreset(const QString& appDir, const QString& kind, const QString& name,
                  const WorkingCopy& copy, Existing existing = Existing::Keep);

// Fills the kind's part of `copy` from the preset, all or nothing (see applyKindFile), and
// gives the path of the file read. `check` may refuse the values as they would load.
Outcome<QString> loadPreset(const QString& appDir, const QString& kind, const QString& name,
                            WorkingCopy& copy, const ValueCheck& check = {});

// Fails when `to` is taken or invalid; the preset keeps its old name on failure.
Result renamePreset(const QString& appDir, const QString& kind, const QString& from,
                    const QString& to);
Result deletePreset(const QString& appDir, const QString& kind, const QString& name);

} // namespace morvane::settings
