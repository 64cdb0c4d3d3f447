#pragma once

#include "catalog/CommonParameters.h"
#include "ui/page/SectionSpec.h"

namespace morvane::ui::page {

// The layout, fields and help text of a common section.
const SectionSpec& commonSection(catalog::CommonParameter parameter);

} // namespace morvane::ui::page
