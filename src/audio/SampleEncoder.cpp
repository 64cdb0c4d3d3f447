#include "audio/SampleEncoder.h"

#include "audio/BlockQueue.h"
#include "audio/MuLaw.h"
#include "audio/RateConverter.h"
#include "audio/ReadFailure.h"
#include "audio/SampleDecoding.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <optional>
#include <span>
#include <system_error>
#include <thread>
#include <utility>
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

enum class RateMode { Direct, Average, Interpolate };
inline constexpr int kRateModeCount = 3;

RateMode rateModeFor(quint32 sourceRate)
{
    // 8000 Hz is within 0.15 % of the AU rate, too little to hear: its samples are kept one for
    // one, as they always were.
    if (sourceRate == static_cast<quint32>(kAuSampleRate) || sourceRate == 8000) {
        return RateMode::Direct;
    }
    return sourceRate > static_cast<quint32>(kAuSampleRate) ? RateMode::Average
                                                            : RateMode::Interpolate;
}

// What the rate conversion carries from one block to the next; only the mode's part is used.
struct RateState {
    explicit RateState(quint32 sourceRate)
        : average(sourceRate)
        , interpolate(sourceRate)
    {}

    RateConverter average;
    Upsampler interpolate;
};

// A good estimate of the output size (exact when the rate is brought up), so the output buffer
// is allocated once.
qint64 expectedOutputSize(const WavFormat& format, qint64 frames)
{
    const qint64 rate = format.sampleRate;
    switch (rateModeFor(format.sampleRate)) {
    case RateMode::Direct:
        return frames;
    case RateMode::Interpolate:
        return (frames * kAuSampleRate + rate - 1) / rate;
    case RateMode::Average:
        break;
    }
    const double ratio = static_cast<double>(kAuSampleRate) / static_cast<double>(rate);
    return std::min(frames,
                    static_cast<qint64>(std::ceil(static_cast<double>(frames) * ratio)) + 16);
}

// The mean of the channels, cut toward zero. One and two channels, the common files, are
// spelled out so that the loop over the frame goes; Channels 0 stands for any count.
template <SampleEncoding Encoding, int Channels> int monoSample(const char* frame, int channels)
{
    constexpr int size = sampleBytes(Encoding);
    if constexpr (Channels == 1) {
        return decodeSample<Encoding>(frame);
    } else if constexpr (Channels == 2) {
        return (decodeSample<Encoding>(frame) + decodeSample<Encoding>(frame + size)) / 2;
    } else {
        int sum = 0;
        for (int channel = 0; channel < channels; ++channel) {
            sum += decodeSample<Encoding>(frame + channel * size);
        }
        return sum / channels;
    }
}

// Encodes the whole frames of a block; `last` ends the stream, after the last block.
template <SampleEncoding Encoding, int Channels, RateMode Mode>
void encodeFrames(std::span<const char> block, int channels, RateState& rate, Output& output,
                  bool last)
{
    const qsizetype frameSize = (Channels > 0 ? Channels : channels) * sampleBytes(Encoding);
    RateConverter average = rate.average;
    Upsampler interpolate = rate.interpolate;
    OutputCursor cursor = output.cursor();
    const quint8* const codes = muLawTable().data() + 32768;
    // Defined here, not made by a helper: a cursor handed out of the function was kept in
    // memory by the compiler, which halved the speed of the loop.
    const auto put = [&](int sample) {
        if (cursor.next == cursor.end) {
            cursor = output.grow(cursor);
        }
        *cursor.next++ = static_cast<char>(codes[sample]);
    };
    const char* const end = block.data() + block.size();
    for (const char* frame = block.data(); frame != end; frame += frameSize) {
        const int sample = monoSample<Encoding, Channels>(frame, channels);
        if constexpr (Mode == RateMode::Average) {
            int averaged;
            if (average.push(sample, averaged)) {
                put(averaged);
            }
        } else if constexpr (Mode == RateMode::Interpolate) {
            interpolate.push(sample, put);
        } else {
            put(sample);
        }
    }
    if constexpr (Mode == RateMode::Interpolate) {
        if (last) {
            interpolate.finish(put);
        }
    }
    output.commit(cursor);
    rate.average = average;
    rate.interpolate = interpolate;
}

using BlockEncoder = void (*)(std::span<const char>, int channels, RateState&, Output&, bool last);

constexpr int kChannelKinds[] = {1, 2, 0};
constexpr int kChannelKindCount = std::size(kChannelKinds);

// Every encoder, indexed by encoding, then channel kind, then rate mode.
template <size_t... Index>
constexpr std::array<BlockEncoder, sizeof...(Index)> blockEncoders(std::index_sequence<Index...>)
{
    constexpr int perEncoding = kChannelKindCount * kRateModeCount;
    return {encodeFrames<static_cast<SampleEncoding>(Index / perEncoding),
                         kChannelKinds[Index / kRateModeCount % kChannelKindCount],
                         static_cast<RateMode>(Index % kRateModeCount)>...};
}

BlockEncoder blockEncoderFor(const WavFormat& format)
{
    static constexpr auto encoders = blockEncoders(
        std::make_index_sequence<kSampleEncodingCount * kChannelKindCount * kRateModeCount>());
    const int channelKind = format.channels <= 2 ? format.channels - 1 : 2;
    const auto index = (static_cast<size_t>(format.encoding) * kChannelKindCount +
                        static_cast<size_t>(channelKind)) *
                           kRateModeCount +
                       static_cast<size_t>(rateModeFor(format.sampleRate));
    return encoders[index];
}

// Encodes the blocks as the caller reads them. On a long source the encoding runs on a worker
// thread while the caller reads the blocks that follow: the rate clock is a chain of dependent
// floating-point additions, one per input, that no reordering can shorten, and copying the file
// in costs two thirds as much again. The worker encodes the same blocks in the same order with
// the same converter state, so the output is the same to the byte.
class BlockPipeline {
public:
    BlockPipeline(BlockEncoder encode, int channels, RateState& rate, Output& output,
                  qint64 totalBytes, qint64 blockSize)
        : m_encode(encode)
        , m_channels(channels)
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
            m_encode({m_inline.data(), static_cast<size_t>(size)}, m_channels, m_rate, m_output,
                     false);
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
                    m_encode(*block, m_channels, m_rate, m_output, false);
                    m_queue->pop();
                }
            });
        } catch (const std::system_error&) {
            // No thread to be had: encode on this one.
        }
    }

    BlockEncoder m_encode;
    int m_channels;
    RateState& m_rate;
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
    const qint64 outputSize = expectedOutputSize(format, header.frameCount);
    // The AU header counts the bytes in 32 bits, and all ones there means "unknown".
    if (outputSize >= qint64{0xFFFFFFFF}) {
        return readFailure(sourceName, u"too long for an AU sound");
    }
    RateState rate(format.sampleRate);
    Output output(outputSize);

    // Blocks of whole frames.
    const qint64 blockSize =
        std::min(totalBytes, std::max(frameSize, reader.blockSize() / frameSize * frameSize));
    const BlockEncoder encode = blockEncoderFor(format);
    BlockPipeline pipeline(encode, format.channels, rate, output, totalBytes, blockSize);
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
    encode({}, format.channels, rate, output, true);
    if (progress) {
        progress(1.0);
    }
    return output.take();
}

} // namespace morvane::audio
