#include "audio/WavToAu.h"

#include <QBuffer>
#include <QtEndian>

#include <benchmark/benchmark.h>

namespace {

QByteArray le32(quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    return QByteArray(bytes, 4);
}

QByteArray le16(quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    return QByteArray(bytes, 2);
}

// One minute of a PCM source filled with a cheap pseudo-random signal.
QByteArray syntheticWav(quint16 channels, quint32 rate, quint16 bits)
{
    const quint32 frameSize = channels * bits / 8u;
    QByteArray data(static_cast<qsizetype>(rate) * 60 * frameSize, Qt::Uninitialized);
    quint32 state = 12345;
    for (char& byte : data) {
        state = state * 1664525u + 1013904223u;
        byte = static_cast<char>(state >> 24);
    }
    const QByteArray format = le16(1) + le16(channels) + le32(rate) + le32(rate * frameSize) +
                              le16(static_cast<quint16>(frameSize)) + le16(bits);
    const QByteArray chunks = QByteArray("fmt ") + le32(16) + format + "data" +
                              le32(static_cast<quint32>(data.size())) + data;
    return QByteArray("RIFF") + le32(static_cast<quint32>(chunks.size() + 4)) + "WAVE" + chunks;
}

void encode(benchmark::State& state, quint16 channels, quint32 rate, quint16 bits)
{
    QByteArray wav = syntheticWav(channels, rate, bits);
    for (auto _ : state) {
        QBuffer buffer(&wav);
        buffer.open(QIODevice::ReadOnly);
        const morvane::Outcome<QByteArray> encoded = morvane::audio::encodeWav(buffer);
        benchmark::DoNotOptimize(encoded->constData());
    }
    state.SetBytesProcessed(state.iterations() * wav.size());
}

BENCHMARK_CAPTURE(encode, stereo16_44100, 2, 44100, 16)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(encode, mono8_22050, 1, 22050, 8)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(encode, mono16_8012, 1, 8012, 16)->Unit(benchmark::kMillisecond);

} // namespace
