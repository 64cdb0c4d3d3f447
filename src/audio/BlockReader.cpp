#include "audio/BlockReader.h"

#include <QIODevice>

#include <algorithm>
#include <cstring>

namespace morvane::audio {

BlockReader::BlockReader(QIODevice& device, qint64 blockSize)
    : m_device(device)
    , m_deviceSize(device.size())
    , m_devicePosition(device.pos())
    , m_buffer(static_cast<size_t>(std::max(blockSize, kMinimumBlockSize)))
{}

qint64 BlockReader::remaining() const
{
    return buffered() + std::max<qint64>(0, m_deviceSize - m_devicePosition);
}

bool BlockReader::refill(qint64 atLeast)
{
    const qint64 kept = buffered();
    if (kept > 0 && m_begin > 0)
        std::memmove(m_buffer.data(), m_buffer.data() + m_begin, static_cast<size_t>(kept));
    m_begin = 0;
    m_end = kept;
    const auto capacity = static_cast<qint64>(m_buffer.size());
    while (m_end < atLeast && m_devicePosition < m_deviceSize) {
        const qint64 wanted = std::min(capacity - m_end, m_deviceSize - m_devicePosition);
        const qint64 got = m_device.read(m_buffer.data() + m_end, wanted);
        if (got <= 0) {
            m_deviceSize = m_devicePosition;
            break;
        }
        m_end += got;
        m_devicePosition += got;
    }
    return m_end >= atLeast;
}

bool BlockReader::readFromDevice(char* destination, qint64 size)
{
    if (size > m_deviceSize - m_devicePosition)
        return false;
    while (size > 0) {
        const qint64 got = m_device.read(destination, size);
        if (got <= 0) {
            m_deviceSize = m_devicePosition;
            return false;
        }
        destination += got;
        size -= got;
        m_devicePosition += got;
    }
    return true;
}

bool BlockReader::read(char* destination, qint64 size)
{
    while (size > 0) {
        // Large reads bypass the buffer: one copy, not two.
        if (buffered() == 0 && size >= blockSize())
            return readFromDevice(destination, size);
        if (buffered() == 0 && !refill(1))
            return false;
        const qint64 part = std::min(size, buffered());
        std::memcpy(destination, m_buffer.data() + m_begin, static_cast<size_t>(part));
        m_begin += part;
        destination += part;
        size -= part;
    }
    return true;
}

bool BlockReader::skip(qint64 size)
{
    if (size <= buffered()) {
        m_begin += size;
        return true;
    }
    if (size > remaining())
        return false;
    const qint64 target = m_devicePosition + (size - buffered());
    m_begin = m_end = 0;
    if (!m_device.seek(target))
        return false;
    m_devicePosition = target;
    return true;
}

} // namespace morvane::audio
