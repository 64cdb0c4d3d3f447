#include "WavBytes.h"

#include <QtEndian>

namespace morvane::audio::test {

QByteArray le16(int value)
{
    char bytes[2];
    qToLittleEndian(static_cast<quint16>(value), bytes);
    return QByteArray(bytes, 2);
}

QByteArray le32(quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    return QByteArray(bytes, 4);
}

QByteArray chunk(const char* id, const QByteArray& body)
{
    return QByteArray(id, 4) + le32(static_cast<quint32>(body.size())) + body;
}

QByteArray formatFields(int tag, int channels, quint32 rate, int blockAlign, int bits)
{
    return le16(tag) + le16(channels) + le32(rate) + le32(rate * static_cast<quint32>(blockAlign)) +
           le16(blockAlign) + le16(bits);
}

QByteArray subFormatGuid(int tag)
{
    return le16(tag) + QByteArray::fromHex("000000001000800000aa00389b71");
}

QByteArray extensibleBody(int channels, quint32 rate, int bits, const QByteArray& guid)
{
    return formatFields(0xFFFE, channels, rate, channels * bits / 8, bits) + le16(22) + le16(bits) +
           le32(0) + guid;
}

QByteArray formatBody(int channels, quint32 rate, int bits, int size)
{
    QByteArray body = formatFields(1, channels, rate, channels * bits / 8, bits);
    body.append(size - body.size(), '\0');
    return body;
}

QByteArray riffWave(const QByteArray& chunks)
{
    return QByteArray("RIFF") + le32(static_cast<quint32>(chunks.size() + 4)) + "WAVE" + chunks;
}

QByteArray samples16(const QList<int>& values)
{
    QByteArray bytes;
    for (const int value : values) {
        bytes += le16(value);
    }
    return bytes;
}

QByteArray samples16(std::initializer_list<int> values)
{
    return samples16(QList<int>(values));
}

QByteArray pcmWav(int channels, quint32 rate, int bits, const QByteArray& data)
{
    return riffWave(chunk("fmt ", formatBody(channels, rate, bits)) + chunk("data", data));
}

} // namespace morvane::audio::test
