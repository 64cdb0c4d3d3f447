#include "audio/SampleEncoder.h"

#include "audio/BlockQueue.h"
#include "audio/MuLaw.h"
#include "audio/RateConverter.h"
#include "audio/ReadFailure.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <span>
#include <system_error>
#include <thread>
#include <vector>

namespace morvane::audio {

namespace {

// Where the next encoded byte goes; kept in locals by the inner loop, so that its writes through
// a char pointer do not force the rate state out to memory on every sample.
struct OutputCursor {
    char* next;
    char* end;
};

class Output {
public:
    explicit Output(qint64 capacity)
    {
        // reserve() allocates just this much; resize() alone would round up to a power of two.
        m_bytes.reserve(std::max<qint64>(capacity, 16));
        m_bytes.resize(m_bytes.capacity());
        m_data = m_bytes.data();
    }

    OutputCursor cursor() { return {m_data + m_size, m_data + m_bytes.size()}; }
    void commit(const OutputCursor& cursor) { m_size = cursor.next - m_data; }
    OutputCursor grow(const OutputCursor& cursor)
    {
        commit(cursor);
        m_bytes.resize(m_size * 2);
        m_data = m_bytes.data();
        return this->cursor();
    }
    QByteArray take()
    {
        m_bytes.resize(m_size);
        return std::move(m_bytes);
    }

private:
    QByteArray m_bytes;
    char* m_data = nullptr;
    qsizetype m_size = 0;
};

// A good estimate of the output size, so the output buffer is allocated once.
qint64 expectedOutputSize(const WavFormat& format, qint64 frames)
{
    if (format.sampleRate <= static_cast<quint32>(kAuSampleRate)) {
        return frames;
    }
    const double ratio = static_cast<double>(kAuSampleRate) / format.sampleRate;
    return std::min(frames, static_cast<qint64>(std::ceil(frames * ratio)) + 16);
}

template <int Bits> int linearSample(const char* bytes)
{
    if constexpr (Bits == 8) {
        return static_cast<unsigned char>(*bytes) * 256 - 32768;
    } else {
        return qFromLittleEndian<qint16>(bytes);
    }
}

template <int Bits, int Channels> int monoSample(const char* frame)
{
    if constexpr (Channels == 1) {
        return linearSample<Bits>(frame);
    } else {
        return (linearSample<Bits>(frame) + linearSample<Bits>(frame + Bits / 8)) / Channels;
    }
}

template <int Bits, int Channels, bool Resample>
void encodeFrames(std::span<const char> block, RateConverter& rate, Output& output)
{
    constexpr int frameSize = Channels * Bits / 8;
    RateConverter converter = rate;
    OutputCursor cursor = output.cursor();
    const quint8* const codes = muLawTable().data() + 32768;
    const auto put = [&](int sample) {
        if (cursor.next == cursor.end) {
            cursor = output.grow(cursor);
        }
        *cursor.next++ = static_cast<char>(codes[sample]);
    };
    const char* const end = block.data() + block.size();
    for (const char* frame = block.data(); frame != end; frame += frameSize) {
        const int sample = monoSample<Bits, Channels>(frame);
        if constexpr (Resample) {
            int averaged;
            if (converter.push(sample, averaged)) {
                put(averaged);
            }
        } else {
            put(sample);
        }
    }
    output.commit(cursor);
    rate = converter;
}

using BlockEncoder = void (*)(std::span<const char>, RateConverter&, Output&);

BlockEncoder blockEncoderFor(const WavFormat& format)
{
    const bool resample = format.sampleRate != static_cast<quint32>(kAuSampleRate);
    const bool stereo = format.channels == 2;
    const bool wide = format.bitsPerSample == 16;
    static constexpr BlockEncoder table[2][2][2] = {
        {{encodeFrames<8, 1, false>, encodeFrames<8, 2, false>},
         {encodeFrames<16, 1, false>, encodeFrames<16, 2, false>}},
        {{encodeFrames<8, 1, true>, encodeFrames<8, 2, true>},
         {encodeFrames<16, 1, true>, encodeFrames<16, 2, true>}},
    };
    return table[resample][wide][stereo];
}

// Encodes the blocks as the caller reads them. On a long source the encoding runs on a worker
// thread while the caller reads the blocks that follow: the rate clock is a chain of dependent
// floating-point additions, one per input, that no reordering can shorten, and copying the file
// in costs two thirds as much again. The worker encodes the same blocks in the same order with
// the same converter state, so the output is the same to the byte.
class BlockPipeline {
public:
    BlockPipeline(BlockEncoder encode, RateConverter& rate, Output& output, qint64 totalBytes,
                  qint64 blockSize)
        : m_encode(encode)
        , m_rate(rate)
        , m_output(output)
    {
        if (totalBytes > blockSize) {
            startWorker(blockSize);
        }
        if (!m_worker.joinable()) {
            m_inline.resize(static_cast<size_t>(blockSize));
        }
    }
    ~BlockPipeline() { finish(); }
    BlockPipeline(const BlockPipeline&) = delete;
    BlockPipeline& operator=(const BlockPipeline&) = delete;

    // Room for the next block; then submit() what was read into it.
    char* nextBlock()
    {
        return m_worker.joinable() ? m_queue->emptyBlock().data() : m_inline.data();
    }
    void submit(qint64 size)
    {
        if (m_worker.joinable()) {
            m_queue->push(size);
        } else {
            m_encode({m_inline.data(), static_cast<size_t>(size)}, m_rate, m_output);
        }
    }
    // Returns once every submitted block is encoded.
    void finish()
    {
        if (!m_worker.joinable()) {
            return;
        }
        m_queue->close();
        m_worker.join();
    }

private:
    void startWorker(qint64 blockSize)
    {
        m_queue = std::make_unique<BlockQueue>(blockSize);
        try {
            m_worker = std::thread([this] {
                while (const std::optional<std::span<const char>> block = m_queue->fullBlock()) {
                    m_encode(*block, m_rate, m_output);
                    m_queue->pop();
                }
            });
        } catch (const std::system_error&) {
            // No thread to be had: encode on this one.
        }
    }

    BlockEncoder m_encode;
    RateConverter& m_rate;
    Output& m_output;
    std::unique_ptr<BlockQueue> m_queue;
    std::vector<char> m_inline;
    std::thread m_worker;
};

} // namespace

Outcome<QByteArray> encodeSamples(BlockReader& reader, const WavHeader& header,
                                  QStringView sourceName, const ProgressCallback& progress)
{
    const WavFormat& format = header.format;
    const qint64 frameSize = format.bytesPerFrame();
    const qint64 totalBytes = header.frameCount * frameSize;
    RateConverter rate(format.sampleRate);
    Output output(expectedOutputSize(format, header.frameCount));

    // Blocks of whole frames for every frame size (1, 2 or 4 bytes).
    const qint64 blockSize = std::min(totalBytes, reader.blockSize() / 4 * 4);
    BlockPipeline pipeline(blockEncoderFor(format), rate, output, totalBytes, blockSize);
    qint64 bytesLeft = totalBytes;
    while (bytesLeft > 0) {
        const qint64 size = std::min(bytesLeft, blockSize);
        if (!reader.read(pipeline.nextBlock(), size)) {
            return readFailure(sourceName, kReadError);
        }
        pipeline.submit(size);
        bytesLeft -= size;
        if (progress) {
            progress(static_cast<double>(totalBytes - bytesLeft) / static_cast<double>(totalBytes));
        }
    }
    pipeline.finish();
    if (progress) {
        progress(1.0);
    }
    return output.take();
}

} // namespace morvane::audio
