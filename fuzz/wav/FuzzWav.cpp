#include "audio/WavToAu.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

// Reads the input twice, through a tiny and a large buffer: both must agree, and neither may
// produce more output than the input has samples.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    morvane::audio::EncodedWav results[2];
    const qint64 blockSizes[2] = {morvane::audio::BlockReader::kMinimumBlockSize, 1 << 16};
    for (int i = 0; i < 2; ++i) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        results[i] = morvane::audio::encodeWav(buffer, {}, blockSizes[i]);
    }
    if (results[0].error != results[1].error || results[0].muLaw != results[1].muLaw)
        std::abort();
    if (results[0].muLaw.size() > bytes.size())
        std::abort();
    return 0;
}
