#include "audio/BlockQueue.h"

#include <chrono>
#include <thread>

namespace morvane::audio {

// Waits until `ready` holds for the counter's value, and returns that value. A side that has to
// wait first gives up the processor for a while without sleeping: a sleep ended by the other
// thread's wake-up lets the scheduler put both threads on one core, where they only take turns
// (seen on a two-core machine in most runs). Waits are short, a block's worth of work, unless
// the machine is busy; past a couple of milliseconds the side sleeps.
template <typename Ready>
qint64 BlockQueue::waitFor(const std::atomic<qint64>& counter, Ready ready)
{
    using Clock = std::chrono::steady_clock;
    constexpr auto kYieldingTime = std::chrono::milliseconds(2);
    qint64 value = counter.load(std::memory_order_acquire);
    if (ready(value)) {
        return value;
    }
    const Clock::time_point sleepAfter = Clock::now() + kYieldingTime;
    while (Clock::now() < sleepAfter) {
        std::this_thread::yield();
        value = counter.load(std::memory_order_acquire);
        if (ready(value)) {
            return value;
        }
    }
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [&] {
        value = counter.load(std::memory_order_acquire);
        return ready(value);
    });
    return value;
}

void BlockQueue::wakeOtherSide()
{
    // Taking the mutex orders the counter's change before a waiter's check or after its sleep.
    {
        const std::lock_guard lock(m_mutex);
    }
    m_changed.notify_all();
}

BlockQueue::BlockQueue(qsizetype blockSize)
    : m_blocks(kBlockCount)
{
    for (Block& block : m_blocks) {
        block.bytes.resize(static_cast<size_t>(blockSize));
    }
}

std::span<char> BlockQueue::emptyBlock()
{
    const qint64 pushed = m_pushedTwice.load(std::memory_order_relaxed) / 2;
    waitFor(m_popped, [pushed](qint64 popped) { return pushed - popped < kBlockCount; });
    return blockAt(pushed).bytes;
}

void BlockQueue::push(qsizetype size)
{
    blockAt(m_pushedTwice.load(std::memory_order_relaxed) / 2).size = size;
    m_pushedTwice.fetch_add(2, std::memory_order_release);
    wakeOtherSide();
}

void BlockQueue::close()
{
    m_pushedTwice.fetch_or(1, std::memory_order_release);
    wakeOtherSide();
}

std::optional<std::span<const char>> BlockQueue::fullBlock()
{
    const qint64 popped = m_popped.load(std::memory_order_relaxed);
    const qint64 pushedTwice = waitFor(
        m_pushedTwice, [popped](qint64 value) { return value / 2 > popped || value % 2 != 0; });
    if (pushedTwice / 2 == popped) {
        return std::nullopt;
    }
    const Block& block = blockAt(popped);
    return std::span<const char>(block.bytes.data(), static_cast<size_t>(block.size));
}

void BlockQueue::pop()
{
    m_popped.fetch_add(1, std::memory_order_release);
    wakeOtherSide();
}

} // namespace morvane::audio
