#include "generator/kinds/Blocks.h"

namespace morvane::generator {

std::span<const KindBlock> firstColumnBlocks()
{
    return {};
}

} // namespace morvane::generator
