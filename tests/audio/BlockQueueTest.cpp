#include "audio/BlockQueue.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

using morvane::audio::BlockQueue;

namespace {

// Each side pauses now and then for longer than the other spins, so that both the spinning and
// the sleeping hand-overs happen many times; every byte must arrive once and in order.
TEST(BlockQueue, EveryBlockArrivesInOrderWhicheverSideWaits)
{
    constexpr int kBlocks = 3000;
    constexpr qsizetype kBlockSize = 64;
    const auto pause = [](std::mt19937& random) {
        if (random() % 16 == 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(3));
        }
    };
    BlockQueue queue(kBlockSize);
    std::thread producer([&] {
        std::mt19937 random(1);
        for (int i = 0; i < kBlocks; ++i) {
            const std::span<char> block = queue.emptyBlock();
            const auto size = static_cast<qsizetype>(1 + i % kBlockSize);
            for (qsizetype j = 0; j < size; ++j) {
                block[static_cast<size_t>(j)] = static_cast<char>(i + j);
            }
            queue.push(size);
            pause(random);
        }
        queue.close();
    });

    std::mt19937 random(2);
    int received = 0;
    bool inOrder = true;
    while (const auto block = queue.fullBlock()) {
        inOrder = inOrder && block->size() == static_cast<size_t>(1 + received % kBlockSize);
        for (size_t j = 0; j < block->size(); ++j) {
            inOrder = inOrder && (*block)[j] == static_cast<char>(received + static_cast<int>(j));
        }
        queue.pop();
        ++received;
        pause(random);
    }
    producer.join();
    EXPECT_EQ(received, kBlocks);
    EXPECT_TRUE(inOrder);
}

} // namespace
