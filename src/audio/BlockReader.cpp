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

bool BlockReader::refill()
{
    m_begin = m_end = 0;
    const qint64 wanted = std::min(blockSize(), m_deviceSize - m_devicePosition);
    if (wanted <= 0) {
        return false;
    }
    const qint64 got = m_device.read(m_buffer.data(), wanted);
    if (got <= 0) {
        m_deviceSize = m_devicePosition;
        return false;
    }
    m_end = got;
    m_devicePosition += got;
    return true;
}

bool BlockReader::readFromDevice(char* destination, qint64 size)
{
    if (size > m_deviceSize - m_devicePosition) {
        return false;
    }
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
        if (buffered() == 0 && size >= blockSize()) {
            return readFromDevice(destination, size);
        }
        if (buffered() == 0 && !refill()) {
            return false;
        }
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
    if (size > remaining()) {
        return false;
    }
    const qint64 target = m_devicePosition + (size - buffered());
    m_begin = m_end = 0;
    if (!m_device.seek(target)) {
        return false;
    }
    m_devicePosition = target;
    return true;
}

} // namespace morvane::audio
