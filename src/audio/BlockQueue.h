#pragma once

#include <QtGlobal>

#include <atomic>
#include <condition_variable>
#include <mutex>
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
    template <typename Ready> qint64 waitFor(const std::atomic<qint64>& counter, Ready ready);
    void wakeOtherSide();

    std::vector<Block> m_blocks;
    // Each count is written by one side only. The pushed count is kept doubled, its low bit
    // telling that the queue is closed, so that one value wakes the consumer for both.
    std::atomic<qint64> m_pushedTwice = 0;
    std::atomic<qint64> m_popped = 0;
    // A side that sleeps does so on the condition, never on the counters themselves: waiting on a
    // 64-bit atomic goes through the standard library's shared proxy waiters, which have lost
    // wake-ups on this platform. Checking under the mutex that the waker also takes makes a
    // change between the check and the sleep impossible to miss.
    std::mutex m_mutex;
    std::condition_variable m_changed;
};

} // namespace morvane::audio
