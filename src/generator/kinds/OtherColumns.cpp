#include "generator/kinds/Blocks.h"

namespace morvane::generator {

std::span<const KindBlock> otherColumnsBlocks()
{
    return {};
}

} // namespace morvane::generator
