#pragma once

#include <QtGlobal>

#include <atomic>
#include <optional>
#include <span>
#include <vector>

namespace morvane::audio {

// Hands blocks of bytes from one producing thread to one consuming thread through a fixed ring,
// so memory stays the same whatever the length of the stream.
class BlockQueue {
public:
    explicit BlockQueue(qsizetype blockSize);

    // Producer: room for the next block, once there is some; then push() the bytes put there.
    std::span<char> emptyBlock();
    void push(qsizetype size);
    // Producer: no more blocks will come.
    void close();

    // Consumer: the oldest pushed block, nothing once the queue is closed and drained; pop() it
    // when done with it.
    std::optional<std::span<const char>> fullBlock();
    void pop();

private:
    static constexpr qint64 kBlockCount = 8;

    struct Block {
        std::vector<char> bytes;
        qsizetype size = 0;
    };

    Block& blockAt(qint64 index) { return m_blocks[static_cast<size_t>(index % kBlockCount)]; }

    std::vector<Block> m_blocks;
    // Each count is written by one side only. The pushed count is kept doubled, its low bit
    // telling that the queue is closed, so that one value wakes the consumer for both.
    std::atomic<qint64> m_pushedTwice = 0;
    std::atomic<qint64> m_popped = 0;
};

} // namespace morvane::audio
