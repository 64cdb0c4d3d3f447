#pragma once

#include <QString>

namespace morvane::test {

// Copies the shipped installation into `appDir`, as `cmake --install` lays it out: data/ from
// the sources and the applet runtime from the build, which joins it (it is not kept in data/).
void stageShippedInstallation(const QString& appDir);

} // namespace morvane::test
