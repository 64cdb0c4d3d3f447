#include "generator/KindSteps.h"

namespace morvane::generator {

bool runSteps(GenerationContext& ctx, std::span<const Step> steps)
{
    Q_UNUSED(ctx);
    Q_UNUSED(steps);
    return true;
}

} // namespace morvane::generator
