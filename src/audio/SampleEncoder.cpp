#include "audio/SampleEncoder.h"

#include "audio/MonoBlockQueue.h"
#include "audio/MuLaw.h"
#include "audio/RateConverter.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <memory>
#include <span>
#include <system_error>
#include <thread>
#include <vector>

namespace morvane::audio {

namespace {

// Where the next encoded byte goes; kept in locals by the inner loops, so that their writes
// through a char pointer do not force the rate state out to memory on every sample.
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
    if (format.sampleRate <= static_cast<quint32>(kAuSampleRate))
        return frames;
    const double ratio = static_cast<double>(kAuSampleRate) / format.sampleRate;
    return std::min(frames, static_cast<qint64>(std::ceil(frames * ratio)) + 16);
}

template <int Bits> int linearSample(const char* bytes)
{
    if constexpr (Bits == 8)
        return static_cast<unsigned char>(*bytes) * 256 - 32768;
    else
        return qFromLittleEndian<qint16>(bytes);
}

template <int Bits, int Channels> int monoSample(const char* frame)
{
    if constexpr (Channels == 1)
        return linearSample<Bits>(frame);
    else
        return (linearSample<Bits>(frame) + linearSample<Bits>(frame + Bits / 8)) / Channels;
}

// Up to the AU rate every input is an output of its own (below it the averaging groups are all
// single samples), so the samples are encoded as they are mixed.
template <int Bits, int Channels> void encodeFrames(std::span<const char> frames, Output& output)
{
    constexpr int frameSize = Channels * Bits / 8;
    OutputCursor cursor = output.cursor();
    const quint8* const codes = muLawTable().data() + 32768;
    const char* const end = frames.data() + frames.size();
    for (const char* frame = frames.data(); frame != end; frame += frameSize) {
        if (cursor.next == cursor.end)
            cursor = output.grow(cursor);
        *cursor.next++ = static_cast<char>(codes[monoSample<Bits, Channels>(frame)]);
    }
    output.commit(cursor);
}

// Indexed, and with the destination declared unaliased, so that the loop vectorises.
template <int Bits, int Channels>
void mixFrames(std::span<const char> frames, qint16* __restrict mono)
{
    constexpr qsizetype frameSize = Channels * Bits / 8;
    const char* const source = frames.data();
    const qsizetype count = static_cast<qsizetype>(frames.size()) / frameSize;
    for (qsizetype i = 0; i < count; ++i)
        mono[i] = static_cast<qint16>(monoSample<Bits, Channels>(source + i * frameSize));
}

// The rate conversion and encoding of the mixed stream, fed one block at a time.
class RateStage {
public:
    RateStage(double sourceRate, Output& output)
        : m_converter(sourceRate)
        , m_output(output)
    {}

    // Kept out of line: inlined into a larger caller, the clock was spilled to memory.
    Q_NEVER_INLINE void convert(std::span<const qint16> samples)
    {
        RateConverter converter = m_converter;
        OutputCursor cursor = m_output.cursor();
        const quint8* const codes = muLawTable().data() + 32768;
        for (const qint16 sample : samples) {
            int averaged;
            if (!converter.push(sample, averaged))
                continue;
            if (cursor.next == cursor.end)
                cursor = m_output.grow(cursor);
            *cursor.next++ = static_cast<char>(codes[averaged]);
        }
        m_output.commit(cursor);
        m_converter = converter;
    }

private:
    RateConverter m_converter;
    Output& m_output;
};

// Takes the mixed blocks to the rate stage. The stage's clock is a chain of dependent
// floating-point additions, one per input, that no reordering can shorten; on a long source it
// runs on a worker thread while this thread reads and mixes the blocks that follow (reading and
// mixing cost about as much again). The worker runs the same serial conversion over the same
// samples in the same order, so the output is the same to the byte.
class RateFeed {
public:
    RateFeed(double sourceRate, Output& output, qint64 frameCount)
        : m_stage(sourceRate, output)
    {
        if (frameCount > MonoBlockQueue::kBlockSamples)
            startWorker();
        if (!m_worker.joinable())
            m_inline.resize(MonoBlockQueue::kBlockSamples);
    }
    ~RateFeed() { finish(); }
    RateFeed(const RateFeed&) = delete;
    RateFeed& operator=(const RateFeed&) = delete;

    // Room for the next MonoBlockQueue::kBlockSamples samples at most; then submit() them.
    qint16* nextBlock()
    {
        if (!m_worker.joinable())
            return m_inline.data();
        m_block = &m_queue->emptyBlock();
        return m_block->samples.data();
    }
    void submit(qsizetype size)
    {
        if (!m_worker.joinable()) {
            m_stage.convert({m_inline.data(), static_cast<size_t>(size)});
            return;
        }
        m_block->size = size;
        m_queue->push();
    }
    // Returns once every submitted sample is converted.
    void finish()
    {
        if (!m_worker.joinable())
            return;
        m_queue->close();
        m_worker.join();
    }

private:
    void startWorker()
    {
        m_queue = std::make_unique<MonoBlockQueue>();
        try {
            m_worker = std::thread([this] {
                while (const MonoBlockQueue::Block* block = m_queue->fullBlock()) {
                    m_stage.convert(block->filled());
                    m_queue->pop();
                }
            });
        } catch (const std::system_error&) {
            // No thread to be had: convert on this one.
        }
    }

    RateStage m_stage;
    std::unique_ptr<MonoBlockQueue> m_queue;
    MonoBlockQueue::Block* m_block = nullptr;
    std::vector<qint16> m_inline;
    std::thread m_worker;
};

using BlockEncoder = void (*)(std::span<const char>, Output&);
using BlockMixer = void (*)(std::span<const char>, qint16*);

bool convertsRate(const WavFormat& format)
{
    return format.sampleRate > static_cast<quint32>(kAuSampleRate);
}

BlockEncoder blockEncoderFor(const WavFormat& format)
{
    static constexpr BlockEncoder table[2][2] = {{encodeFrames<8, 1>, encodeFrames<8, 2>},
                                                 {encodeFrames<16, 1>, encodeFrames<16, 2>}};
    return table[format.bitsPerSample == 16][format.channels == 2];
}

BlockMixer blockMixerFor(const WavFormat& format)
{
    static constexpr BlockMixer table[2][2] = {{mixFrames<8, 1>, mixFrames<8, 2>},
                                               {mixFrames<16, 1>, mixFrames<16, 2>}};
    return table[format.bitsPerSample == 16][format.channels == 2];
}

// Reads the samples in blocks of whole frames and hands each block to `consume`.
template <typename Consume>
bool readFrames(BlockReader& reader, const WavHeader& header, const ProgressCallback& progress,
                Consume consume)
{
    const qint64 totalBytes = header.frameCount * header.format.bytesPerFrame();
    // Blocks of whole frames for every frame size (1, 2 or 4 bytes).
    std::vector<char> buffer(static_cast<size_t>(std::min(totalBytes, reader.blockSize() / 4 * 4)));
    qint64 bytesLeft = totalBytes;
    while (bytesLeft > 0) {
        const qint64 size = std::min(bytesLeft, static_cast<qint64>(buffer.size()));
        if (!reader.read(buffer.data(), size))
            return false;
        consume(std::span<const char>(buffer.data(), static_cast<size_t>(size)));
        bytesLeft -= size;
        if (progress)
            progress(static_cast<double>(totalBytes - bytesLeft) / static_cast<double>(totalBytes));
    }
    if (progress)
        progress(1.0);
    return true;
}

} // namespace

EncodedSamples encodeSamples(BlockReader& reader, const WavHeader& header,
                             const ProgressCallback& progress)
{
    const WavFormat& format = header.format;
    Output output(expectedOutputSize(format, header.frameCount));
    if (!convertsRate(format)) {
        const BlockEncoder encode = blockEncoderFor(format);
        if (!readFrames(reader, header, progress,
                        [&](std::span<const char> frames) { encode(frames, output); }))
            return {};
        return {true, output.take()};
    }

    const BlockMixer mix = blockMixerFor(format);
    const qsizetype frameSize = format.bytesPerFrame();
    const qsizetype chunkBytes = MonoBlockQueue::kBlockSamples * frameSize;
    RateFeed feed(format.sampleRate, output, header.frameCount);
    const bool read = readFrames(reader, header, progress, [&](std::span<const char> frames) {
        for (qsizetype offset = 0; offset < static_cast<qsizetype>(frames.size());
             offset += chunkBytes) {
            const std::span<const char> chunk = frames.subspan(
                static_cast<size_t>(offset),
                static_cast<size_t>(std::min<qsizetype>(chunkBytes, frames.size() - offset)));
            mix(chunk, feed.nextBlock());
            feed.submit(static_cast<qsizetype>(chunk.size()) / frameSize);
        }
    });
    feed.finish();
    if (!read)
        return {};
    return {true, output.take()};
}

} // namespace morvane::audio
