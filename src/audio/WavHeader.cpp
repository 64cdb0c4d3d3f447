#include "audio/WavHeader.h"

#include "audio/BlockReader.h"
#include "audio/ReadFailure.h"

#include <QtEndian>

#include <cstring>

namespace morvane::audio {

namespace {

constexpr qint64 kFormatFieldsSize = 16;

using Tag = char[4];

bool isTag(const Tag tag, const char* expected)
{
    return std::memcmp(tag, expected, 4) == 0;
}

// Empty for a format the encoder handles; otherwise the first field that rules it out.
QString unsupportedReason(const WavFormat& format)
{
    if (format.channels < 1 || format.channels > 2) {
        return u"unsupported number of channels (" % QString::number(format.channels) % u")";
    }
    if (format.bitsPerSample != 8 && format.bitsPerSample != 16) {
        return u"unsupported bits per sample (" % QString::number(format.bitsPerSample) % u")";
    }
    if (format.sampleRate == 0) {
        return u"unsupported sample rate (" % QString::number(format.sampleRate) % u")";
    }
    return {};
}

class Walk {
public:
    Walk(BlockReader& reader, QStringView sourceName)
        : m_reader(reader)
        , m_sourceName(sourceName)
    {}

    Outcome<WavHeader> run();

private:
    Result readError() const { return readFailure(m_sourceName, kReadError); }
    Result fieldCut() const { return readFailure(m_sourceName); }
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
    QStringView m_sourceName;
    qint64 m_consumed = 0;
};

Outcome<WavHeader> Walk::run()
{
    Tag tag;
    quint32 riffSize = 0;
    if (!readTag(tag)) {
        return readError();
    }
    if (!isTag(tag, "RIFF")) {
        return readFailure(m_sourceName, u"not a RIFF file");
    }
    if (!readLong(riffSize)) {
        return fieldCut();
    }
    if (!readTag(tag)) {
        return readError();
    }
    if (!isTag(tag, "WAVE")) {
        return readFailure(m_sourceName, u"not a WAVE file");
    }

    WavHeader header;
    bool formatSeen = false;
    while (riffSize > m_consumed) {
        quint32 chunkSize = 0;
        if (!readTag(tag)) {
            return readError();
        }
        if (!readLong(chunkSize)) {
            return fieldCut();
        }
        m_consumed += 8;
        if (isTag(tag, "fmt ")) {
            if (!readFormatFields(header.format)) {
                return fieldCut();
            }
            m_consumed += kFormatFieldsSize;
            formatSeen = true;
            if (!skipBody(chunkSize, kFormatFieldsSize)) {
                return readError();
            }
        } else if (isTag(tag, "data")) {
            if (!formatSeen) {
                return readError();
            }
            if (const QString reason = unsupportedReason(header.format); !reason.isEmpty()) {
                return readFailure(m_sourceName, reason);
            }
            header.frameCount = chunkSize / header.format.bytesPerFrame();
            // A chunk that claims more than the file holds is refused before anything is read.
            if (header.frameCount * header.format.bytesPerFrame() > m_reader.remaining()) {
                return readError();
            }
            return header;
        } else if (!skipBody(chunkSize, 0)) {
            return readError();
        }
    }
    // The RIFF size ended the walk before any "data" chunk.
    return readError();
}

} // namespace

Outcome<WavHeader> readWavHeader(BlockReader& reader, QStringView sourceName)
{
    return Walk(reader, sourceName).run();
}

} // namespace morvane::audio
