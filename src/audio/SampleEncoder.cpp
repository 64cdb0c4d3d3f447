#include "audio/SampleEncoder.h"

#include "audio/MuLaw.h"
#include "audio/RateConverter.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <span>
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

template <int Bits, int Channels, bool Resample>
void encodeFrames(std::span<const char> block, RateConverter& rate, Output& output)
{
    constexpr int frameSize = Channels * Bits / 8;
    RateConverter converter = rate;
    OutputCursor cursor = output.cursor();
    const quint8* const codes = muLawTable().data() + 32768;
    const auto put = [&](int sample) {
        if (cursor.next == cursor.end)
            cursor = output.grow(cursor);
        *cursor.next++ = static_cast<char>(codes[sample]);
    };
    const char* const end = block.data() + block.size();
    for (const char* frame = block.data(); frame != end; frame += frameSize) {
        const int sample = monoSample<Bits, Channels>(frame);
        if constexpr (Resample) {
            int averaged;
            if (converter.push(sample, averaged))
                put(averaged);
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

} // namespace

EncodedSamples encodeSamples(BlockReader& reader, const WavHeader& header,
                             const ProgressCallback& progress)
{
    const WavFormat& format = header.format;
    const qint64 frameSize = format.bytesPerFrame();
    const qint64 totalBytes = header.frameCount * frameSize;
    const BlockEncoder encodeBlock = blockEncoderFor(format);
    RateConverter rate(format.sampleRate);
    Output output(expectedOutputSize(format, header.frameCount));

    // Blocks of whole frames for every frame size (1, 2 or 4 bytes).
    std::vector<char> buffer(static_cast<size_t>(std::min(totalBytes, reader.blockSize() / 4 * 4)));
    qint64 bytesLeft = totalBytes;
    while (bytesLeft > 0) {
        const qint64 size = std::min(bytesLeft, static_cast<qint64>(buffer.size()));
        if (!reader.read(buffer.data(), size))
            return {};
        const std::span<const char> block(buffer.data(), static_cast<size_t>(size));
        encodeBlock(block, rate, output);
        bytesLeft -= static_cast<qint64>(block.size());
        if (progress)
            progress(static_cast<double>(totalBytes - bytesLeft) / static_cast<double>(totalBytes));
    }
    if (progress)
        progress(1.0);
    return {true, output.take()};
}

} // namespace morvane::audio
