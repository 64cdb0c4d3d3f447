#include "audio/AuHeader.h"

#include <QtEndian>

namespace morvane::audio {

namespace {
constexpr quint32 kMuLawEncoding = 1;
constexpr quint32 kMono = 1;
} // namespace

QByteArray auHeader(quint32 sampleCount)
{
    const quint32 fields[] = {kAuHeaderSize, sampleCount, kMuLawEncoding, kAuSampleRate, kMono};
    QByteArray header(".snd", 4);
    for (const quint32 field : fields) {
        char bytes[4];
        qToBigEndian(field, bytes);
        header.append(bytes, 4);
    }
    header.append("wvau", 4);
    return header;
}

} // namespace morvane::audio
