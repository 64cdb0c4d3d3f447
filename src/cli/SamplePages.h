#pragma once

#include "base/Result.h"

#include <QString>

namespace morvane::cli {

// Writes, in the installation `appDir`, every kind's sample page samples/<Kind>/<kind>.htm and
// parameters help page samples/<Kind>/<kind>_help.htm, and the all-applets page
// samples/index.htm, from the catalog, the shipped settings and the generator, so the pages
// always show the code the program itself produces. The sample media must be in place (the
// first-run step installs them).
Result writeSamplePages(const QString& appDir);

} // namespace morvane::cli
