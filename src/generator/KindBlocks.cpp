#include "generator/KindBlocks.h"

namespace morvane::generator {

bool runKindBlock(GenerationContext& context)
{
    Q_UNUSED(context);
    return true;
}

} // namespace morvane::generator
