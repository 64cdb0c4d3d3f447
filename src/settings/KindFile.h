#pragma once

#include "base/Outcome.h"
#include "base/Result.h"
#include "settings/WorkingCopy.h"

#include <QString>

#include <functional>

namespace morvane::settings {

class Profile;

// A kind's settings on their own, as presets and exported files hold them: the kind's section
// as morvane.ini holds it, then one section per list file ("[ListBox4.txt]") with its lines as
// Line1, Line2, ... So the file reads and compares like the settings file itself.

// Larger than any kind's settings with long lists; a file above it is refused unread.
inline constexpr qint64 kMaxKindFileSize = 4 * 1024 * 1024;

// The file's text for the kind's part of `copy`. The common keys that a save writes only where
// the kind's section already holds them are written where `installed` holds them.
QString kindFileText(const QString& kind, const WorkingCopy& copy, const Profile& installed);

// A check the caller adds to an import: the values as they would load, refused with its message.
using ValueCheck = std::function<Result(const WorkingCopy&)>;

// Reads the kind's settings from `text` into `copy`: all or nothing. A file of another kind, an
// unknown section, key or line, a value of the wrong form, a list line out of order, item lists
// of different lengths and NUL characters are refused, each with a message naming the problem
// and `path`; so is what `check` refuses. On failure `copy` is left exactly as it was.
Result applyKindFile(const QString& path, const QString& text, const QString& kind,
                     WorkingCopy& copy, const ValueCheck& check = {});

// Reads the file at `path` (inside `within` when not empty) and applies it as above. Files above
// kMaxKindFileSize and binary files are refused before anything is decoded.
Result importKindFile(const QString& path, const QString& within, const QString& kind,
                      WorkingCopy& copy, const ValueCheck& check = {});

// Writes the kind's file to `path`, a place the user chose, through a staging file; the common
// keys follow the installation's settings file in `appDir`.
Result exportKindFile(const QString& appDir, const QString& path, const QString& kind,
                      const WorkingCopy& copy);

// The text exportKindFile() would write, with the installation's settings read from `appDir`.
Outcome<QString> kindFileTextFor(const QString& appDir, const QString& kind,
                                 const WorkingCopy& copy);

} // namespace morvane::settings
