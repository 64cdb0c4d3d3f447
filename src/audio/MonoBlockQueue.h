#pragma once

#include <QtGlobal>

#include <array>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <span>

namespace morvane::audio {

// Hands blocks of mixed mono samples from one producing thread to one consuming thread through a
// fixed ring, so memory stays the same whatever the length of the source. Each side sleeps only
// when it has to, and a waiting producer is woken once half the ring is free again, not for
// every block.
class MonoBlockQueue {
public:
    static constexpr qsizetype kBlockSamples = qsizetype{1} << 16;

    struct Block {
        std::array<qint16, kBlockSamples> samples;
        qsizetype size = 0;

        std::span<const qint16> filled() const
        {
            return {samples.data(), static_cast<size_t>(size)};
        }
    };

    MonoBlockQueue();

    // Producer: the block to fill next, once there is room for it; then push() it.
    Block& emptyBlock();
    void push();
    // Producer: no more blocks will come.
    void close();

    // Consumer: the oldest pushed block, or nullptr once the queue is closed and drained; pop()
    // it when done with it.
    const Block* fullBlock();
    void pop();

private:
    static constexpr qint64 kBlockCount = 8;

    std::unique_ptr<std::array<Block, kBlockCount>> m_blocks;
    std::mutex m_mutex;
    std::condition_variable m_pushedOne;
    std::condition_variable m_roomMade;
    qint64 m_pushed = 0;
    qint64 m_popped = 0;
    bool m_closed = false;
    bool m_producerWaiting = false;
    bool m_consumerWaiting = false;
};

} // namespace morvane::audio
