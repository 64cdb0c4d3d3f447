#pragma once

#include <QtGlobal>

#include <vector>

class QIODevice;

namespace morvane::audio {

// Reads a random-access device through one buffer of fixed size: small header fields cost one
// device read per block, reads of a block or more go straight to the caller's memory, and skips
// past the buffer are seeks. Nothing is allocated per the sizes a file claims.
class BlockReader {
public:
    static constexpr qint64 kDefaultBlockSize = qint64{1} << 18;
    // Room for the largest header field; reads of whole frames may be longer than a block.
    static constexpr qint64 kMinimumBlockSize = 16;

    explicit BlockReader(QIODevice& device, qint64 blockSize = kDefaultBlockSize);

    // Copies exactly `size` bytes, or returns false when the device ends first.
    bool read(char* destination, qint64 size);
    // Passes over `size` bytes; false when that goes past the end of the device.
    bool skip(qint64 size);
    // Bytes between the read position and the end of the device.
    qint64 remaining() const;
    qint64 blockSize() const { return static_cast<qint64>(m_buffer.size()); }

private:
    qint64 buffered() const { return m_end - m_begin; }
    bool refill();
    bool readFromDevice(char* destination, qint64 size);

    QIODevice& m_device;
    qint64 m_deviceSize;
    qint64 m_devicePosition;
    std::vector<char> m_buffer;
    qint64 m_begin = 0;
    qint64 m_end = 0;
};

} // namespace morvane::audio
