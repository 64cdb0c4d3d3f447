#include "audio/MonoBlockQueue.h"

namespace morvane::audio {

MonoBlockQueue::MonoBlockQueue()
    : m_blocks(std::make_unique<std::array<Block, kBlockCount>>())
{}

MonoBlockQueue::Block& MonoBlockQueue::emptyBlock()
{
    std::unique_lock lock(m_mutex);
    if (m_pushed - m_popped == kBlockCount) {
        m_producerWaiting = true;
        m_roomMade.wait(lock, [this] { return m_pushed - m_popped <= kBlockCount / 2; });
        m_producerWaiting = false;
    }
    return (*m_blocks)[static_cast<size_t>(m_pushed % kBlockCount)];
}

void MonoBlockQueue::push()
{
    bool wake = false;
    {
        const std::lock_guard lock(m_mutex);
        ++m_pushed;
        wake = m_consumerWaiting;
    }
    if (wake)
        m_pushedOne.notify_one();
}

void MonoBlockQueue::close()
{
    {
        const std::lock_guard lock(m_mutex);
        m_closed = true;
    }
    m_pushedOne.notify_one();
}

const MonoBlockQueue::Block* MonoBlockQueue::fullBlock()
{
    std::unique_lock lock(m_mutex);
    if (m_pushed == m_popped && !m_closed) {
        m_consumerWaiting = true;
        m_pushedOne.wait(lock, [this] { return m_pushed > m_popped || m_closed; });
        m_consumerWaiting = false;
    }
    if (m_pushed == m_popped)
        return nullptr;
    return &(*m_blocks)[static_cast<size_t>(m_popped % kBlockCount)];
}

void MonoBlockQueue::pop()
{
    bool wake = false;
    {
        const std::lock_guard lock(m_mutex);
        ++m_popped;
        wake = m_producerWaiting && m_pushed - m_popped <= kBlockCount / 2;
    }
    if (wake)
        m_roomMade.notify_one();
}

} // namespace morvane::audio
