#include "generator/KindBlocks.h"

#include "generator/kinds/Blocks.h"

namespace morvane::generator {
namespace {

const KindBlock* findBlock(const QString& kind)
{
    for (const std::span<const KindBlock> blocks : {firstColumnBlocks(), otherColumnsBlocks()}) {
        for (const KindBlock& block : blocks) {
            if (kind == QStringView(block.kind)) {
                return &block;
            }
        }
    }
    return nullptr;
}

} // namespace

bool runKindBlock(GenerationContext& context)
{
    const KindBlock* block = findBlock(context.kind());
    return !block || runSteps(context, block->steps);
}

std::span<const Step> kindSteps(const QString& kind)
{
    const KindBlock* block = findBlock(kind);
    return block ? block->steps : std::span<const Step>();
}

} // namespace morvane::generator
