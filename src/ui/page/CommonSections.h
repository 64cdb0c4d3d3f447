#pragma once

#include "catalog/CommonParameters.h"
#include "ui/page/SectionLayout.h"

namespace morvane::ui::page {

// The layout, fields and help text of a common section.
const SectionLayout& commonSection(catalog::CommonParameter parameter);

} // namespace morvane::ui::page
