#pragma once

#include <QString>

namespace morvane::settings {

// Removes the staging files that a program killed in the middle of a save left in the
// installation folder: regular files of the staging name pattern alone, in real folders of the
// installation (links are neither followed nor removed). Gives how many were removed.
int removeLeftovers(const QString& appDir);

} // namespace morvane::settings
