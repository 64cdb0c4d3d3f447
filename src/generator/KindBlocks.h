#pragma once

#include "generator/GenerationContext.h"
#include "generator/KindSteps.h"

namespace morvane::generator {

// Validates and writes the current kind's own parameters. A kind without a block (HexColor)
// succeeds at once.
bool runKindBlock(GenerationContext& context);

// The kind's steps in order; empty for a kind without a block.
std::span<const Step> kindSteps(const QString& kind);

} // namespace morvane::generator
