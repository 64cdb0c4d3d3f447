#include "WavBytes.h"

#include "audio/AuHeader.h"
#include "audio/MuLaw.h"
#include "audio/WavToAu.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <vector>

namespace morvane::audio {
namespace {

using namespace test;
using namespace Qt::StringLiterals;

// Long enough to be encoded on the worker thread, and not a whole number of blocks.
constexpr qint64 kLongFrames = 9 * 65536 + 1234;

// Every byte of a seeded pseudo-random stream, so that both channels vary.
QByteArray noise(qint64 size, quint32 seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (char& byte : bytes) {
        seed = seed * 1664525u + 1013904223u;
        byte = static_cast<char>(seed >> 24);
    }
    return bytes;
}

int sampleAt(const QByteArray& data, qint64 index, int bits)
{
    if (bits == 8) {
        return static_cast<unsigned char>(data[index]) * 256 - 32768;
    }
    const auto low = static_cast<unsigned char>(data[2 * index]);
    const auto high = static_cast<unsigned char>(data[2 * index + 1]);
    return static_cast<qint16>(static_cast<quint16>(high << 8 | low));
}

// The conversion as the steps describe it, one sample at a time.
QByteArray referenceMuLaw(const QByteArray& data, int channels, quint32 rate, int bits)
{
    const qint64 frames = data.size() / (channels * bits / 8);
    const double step = 1.0 / rate;
    const double period = 1.0 / kAuSampleRate;
    double time = 0.0;
    qint64 sum = 0;
    qint64 count = 0;
    QByteArray codes;
    for (qint64 frame = 0; frame < frames; ++frame) {
        int sample = sampleAt(data, frame * channels, bits);
        if (channels == 2) {
            sample = (sample + sampleAt(data, frame * 2 + 1, bits)) / 2;
        }
        if (rate == static_cast<quint32>(kAuSampleRate)) {
            codes.append(static_cast<char>(muLawEncode(sample)));
            continue;
        }
        sum += sample;
        ++count;
        time += step;
        if (time > period) {
            codes.append(static_cast<char>(muLawEncode(
                static_cast<int>(static_cast<double>(sum) / static_cast<double>(count)))));
            time -= period;
            sum = 0;
            count = 0;
        }
    }
    return codes;
}

struct LongCase {
    const char* name;
    int channels;
    quint32 rate;
    int bits;
};

class LongSourceTest : public testing::TestWithParam<LongCase> {};

TEST_P(LongSourceTest, MatchesTheSampleBySampleConversion)
{
    const LongCase source = GetParam();
    const QByteArray data = noise(kLongFrames * source.channels * source.bits / 8, source.rate);
    QByteArray wav = pcmWav(source.channels, source.rate, source.bits, data);
    const QByteArray expected = referenceMuLaw(data, source.channels, source.rate, source.bits);
    // Small read blocks take the worker round its ring of blocks many times.
    for (const qint64 blockSize : {BlockReader::kDefaultBlockSize, qint64{4099}}) {
        QBuffer buffer(&wav);
        buffer.open(QIODevice::ReadOnly);
        const Outcome<QByteArray> encoded = encodeWav(buffer, {}, blockSize);
        ASSERT_TRUE(encoded.ok());
        ASSERT_EQ(encoded->size(), expected.size()) << blockSize;
        EXPECT_TRUE(encoded.value() == expected) << blockSize;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Formats, LongSourceTest,
    testing::Values(LongCase{"Stereo16At44100", 2, 44100, 16},
                    LongCase{"Mono8At22050", 1, 22050, 8}, LongCase{"Stereo8At8013", 2, 8013, 8},
                    LongCase{"Mono16At96000", 1, 96000, 16},
                    LongCase{"Stereo16At11025", 2, 11025, 16},
                    LongCase{"Mono16At8012", 1, 8012, 16}, LongCase{"Mono8At8000", 1, 8000, 8}),
    [](const testing::TestParamInfo<LongCase>& param) { return param.param.name; });

// A device whose reads fail once `limit` bytes have been read, as a failing disk would.
class FailingDevice : public QBuffer {
public:
    FailingDevice(QByteArray* bytes, qint64 limit)
        : QBuffer(bytes)
        , m_limit(limit)
    {}

protected:
    qint64 readData(char* data, qint64 size) override
    {
        if (pos() + size > m_limit) {
            return -1;
        }
        return QBuffer::readData(data, size);
    }

private:
    qint64 m_limit;
};

TEST(LongSource, AReadFailureWhileConvertingGivesTheReadError)
{
    QByteArray wav = pcmWav(2, 44100, 16, noise(kLongFrames * 4, 7));
    FailingDevice device(&wav, wav.size() / 2);
    device.open(QIODevice::ReadOnly);
    const Outcome<QByteArray> encoded = encodeWav(device);
    EXPECT_FALSE(encoded.ok());
    EXPECT_EQ(encoded.message(), u"Can't read the input: read error !"_s);
}

} // namespace
} // namespace morvane::audio
