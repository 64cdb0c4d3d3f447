#include "audio/WavHeader.h"

#include "audio/BlockReader.h"

#include <QtEndian>

#include <cstring>
#include <optional>

namespace morvane::audio {

namespace {

constexpr qint64 kFormatFieldsSize = 16;

using Tag = char[4];

bool isTag(const Tag tag, const char* expected)
{
    return std::memcmp(tag, expected, 4) == 0;
}

struct Failure {
    ConversionError error;
    qint64 detail = 0;
};

// A supported format needs nothing more; otherwise the first field that rules it out.
std::optional<Failure> unsupported(const WavFormat& format)
{
    if (format.channels < 1 || format.channels > 2) {
        return Failure{ConversionError::UnsupportedChannels, format.channels};
    }
    if (format.bitsPerSample != 8 && format.bitsPerSample != 16) {
        return Failure{ConversionError::UnsupportedBits, format.bitsPerSample};
    }
    if (format.sampleRate == 0) {
        return Failure{ConversionError::UnsupportedRate, 0};
    }
    return std::nullopt;
}

class Walk {
public:
    explicit Walk(BlockReader& reader)
        : m_reader(reader)
    {}

    WavHeader run();

private:
    WavHeader fail(ConversionError error, qint64 detail = 0) const
    {
        WavHeader header;
        header.error = error;
        header.errorDetail = detail;
        return header;
    }
    bool readTag(Tag tag) { return m_reader.read(tag, 4); }
    bool readLong(quint32& value)
    {
        char bytes[4];
        if (!m_reader.read(bytes, 4)) {
            return false;
        }
        value = qFromLittleEndian<quint32>(bytes);
        return true;
    }
    bool readFormatFields(WavFormat& format)
    {
        char bytes[kFormatFieldsSize];
        if (!m_reader.read(bytes, kFormatFieldsSize)) {
            return false;
        }
        format.formatTag = qFromLittleEndian<quint16>(bytes);
        format.channels = qFromLittleEndian<quint16>(bytes + 2);
        format.sampleRate = qFromLittleEndian<quint32>(bytes + 4);
        format.bitsPerSample = qFromLittleEndian<quint16>(bytes + 14);
        return true;
    }
    // Passes over the rest of a chunk body and the pad byte that keeps chunks at even offsets.
    bool skipBody(qint64 declaredSize, qint64 alreadyRead)
    {
        qint64 rest = declaredSize - alreadyRead;
        if (rest < 0) {
            rest = 0;
        }
        if (declaredSize % 2 != 0 && declaredSize > alreadyRead) {
            ++rest;
        }
        m_consumed += rest;
        return m_reader.skip(rest);
    }

    BlockReader& m_reader;
    qint64 m_consumed = 0;
};

WavHeader Walk::run()
{
    Tag tag;
    quint32 riffSize = 0;
    if (!readTag(tag)) {
        return fail(ConversionError::ReadError);
    }
    if (!isTag(tag, "RIFF")) {
        return fail(ConversionError::NotRiff);
    }
    if (!readLong(riffSize)) {
        return fail(ConversionError::FieldReadError);
    }
    if (!readTag(tag)) {
        return fail(ConversionError::ReadError);
    }
    if (!isTag(tag, "WAVE")) {
        return fail(ConversionError::NotWave);
    }

    WavHeader header;
    bool formatSeen = false;
    while (riffSize > m_consumed) {
        quint32 chunkSize = 0;
        if (!readTag(tag)) {
            return fail(ConversionError::ReadError);
        }
        if (!readLong(chunkSize)) {
            return fail(ConversionError::FieldReadError);
        }
        m_consumed += 8;
        if (isTag(tag, "fmt ")) {
            if (!readFormatFields(header.format)) {
                return fail(ConversionError::FieldReadError);
            }
            m_consumed += kFormatFieldsSize;
            formatSeen = true;
            if (!skipBody(chunkSize, kFormatFieldsSize)) {
                return fail(ConversionError::ReadError);
            }
        } else if (isTag(tag, "data")) {
            if (!formatSeen) {
                return fail(ConversionError::ReadError);
            }
            if (const auto failure = unsupported(header.format)) {
                return fail(failure->error, failure->detail);
            }
            header.frameCount = chunkSize / header.format.bytesPerFrame();
            // A chunk that claims more than the file holds is refused before anything is read.
            if (header.frameCount * header.format.bytesPerFrame() > m_reader.remaining()) {
                return fail(ConversionError::ReadError);
            }
            return header;
        } else if (!skipBody(chunkSize, 0)) {
            return fail(ConversionError::ReadError);
        }
    }
    // The RIFF size ended the walk before any "data" chunk.
    return fail(ConversionError::ReadError);
}

} // namespace

WavHeader readWavHeader(BlockReader& reader)
{
    return Walk(reader).run();
}

} // namespace morvane::audio
