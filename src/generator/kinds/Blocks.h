#pragma once

#include "generator/KindSteps.h"

#include <span>

namespace morvane::generator {

// The step tables of the kinds ButtonLink to ImageWhirl.
std::span<const KindBlock> firstColumnBlocks();
// The step tables of the kinds IPViewer to Zoom.
std::span<const KindBlock> otherColumnsBlocks();

} // namespace morvane::generator
