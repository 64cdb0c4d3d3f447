#pragma once

#include "generator/GenerationContext.h"

namespace morvane::generator {

// Validates and writes the current kind's own parameters. A kind without a block (HexColor)
// succeeds at once.
bool runKindBlock(GenerationContext& context);

} // namespace morvane::generator
