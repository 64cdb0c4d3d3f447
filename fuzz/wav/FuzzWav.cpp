#include "audio/AuHeader.h"
#include "audio/WavHeader.h"
#include "audio/WavToAu.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

// Reads the input twice, through a tiny and a large buffer: both must agree, and neither may
// produce more output than the input has samples brought up from the slowest rate taken.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto encode = [&bytes](qint64 blockSize) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        return morvane::audio::encodeWav(buffer, {}, blockSize);
    };
    const morvane::Outcome<QByteArray> tiny =
        encode(morvane::audio::BlockReader::kMinimumBlockSize);
    const morvane::Outcome<QByteArray> large = encode(1 << 16);
    if (tiny.message() != large.message() || tiny.valueOr({}) != large.valueOr({})) {
        std::abort();
    }
    const qint64 mostSamples = (qint64{bytes.size()} * morvane::audio::kAuSampleRate +
                                morvane::audio::kMinSampleRate - 1) /
                               morvane::audio::kMinSampleRate;
    if (tiny.valueOr({}).size() > mostSamples) {
        std::abort();
    }
    return 0;
}
