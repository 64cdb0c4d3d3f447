#pragma once

#include <QString>

namespace morvane::generator {

enum class FileState { Exists, Missing, Invalid };

// Whether an ordinary file exists at `path`, a relative path being taken from `baseDir`.
// Invalid: the path cannot name a file at all (an embedded NUL, an absurd length).
FileState probeFile(const QString& path, const QString& baseDir);

// `path` made absolute against `baseDir`; an absolute path is returned unchanged.
QString resolvePath(const QString& path, const QString& baseDir);

} // namespace morvane::generator
