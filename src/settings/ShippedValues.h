#pragma once

#include "settings/WorkingCopy.h"

#include <QString>

namespace morvane::settings {

// The common and specific values `kind` ships with, read from the settings file built into the
// program: what "Reset to default" puts back, whatever the installation's file holds now.
WorkingCopy shippedValues(const QString& kind);

} // namespace morvane::settings
