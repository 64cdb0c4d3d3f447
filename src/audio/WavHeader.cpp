#include "audio/WavHeader.h"

#include "audio/BlockReader.h"
#include "audio/ReadFailure.h"

#include <QUuid>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>

using namespace Qt::StringLiterals;

namespace morvane::audio {

namespace {

constexpr qint64 kFormatFieldsSize = 16;
// cbSize, valid bits, channel mask and the sub-format GUID.
constexpr qint64 kExtensionSize = 24;

constexpr quint16 kPcm = 1;
constexpr quint16 kFloat = 3;
constexpr quint16 kALaw = 6;
constexpr quint16 kMuLaw = 7;
constexpr quint16 kExtensible = 0xFFFE;

// Every standard sub-format GUID is its format tag followed by these bytes, as stored.
constexpr std::array<unsigned char, 14> kSubFormatTail = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                                          0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

struct Accepted {
    quint16 tag;
    quint16 bits;
    SampleEncoding encoding;
};

constexpr Accepted kAccepted[] = {
    {kPcm, 8, SampleEncoding::Unsigned8},  {kPcm, 16, SampleEncoding::Signed16},
    {kPcm, 24, SampleEncoding::Signed24},  {kPcm, 32, SampleEncoding::Signed32},
    {kFloat, 32, SampleEncoding::Float32}, {kFloat, 64, SampleEncoding::Float64},
    {kMuLaw, 8, SampleEncoding::MuLaw},    {kALaw, 8, SampleEncoding::ALaw},
};

using Tag = char[4];

bool isTag(const Tag tag, const char* expected)
{
    return std::memcmp(tag, expected, 4) == 0;
}

// The tag that says how the samples are stored: an extensible format's is inside its
// sub-format; nothing when that is missing or not a standard one.
std::optional<quint16> storageTag(const WavFormat& format)
{
    if (format.formatTag != kExtensible) {
        return format.formatTag;
    }
    if (!format.subFormat || std::memcmp(format.subFormat->data() + 2, kSubFormatTail.data(),
                                         kSubFormatTail.size()) != 0) {
        return std::nullopt;
    }
    return qFromLittleEndian<quint16>(format.subFormat->data());
}

Result notPcm(const WavFormat& format, QStringView sourceName)
{
    QString named = QString::number(format.formatTag);
    if (format.subFormat) {
        const auto* guid = reinterpret_cast<const uchar*>(format.subFormat->data());
        const QUuid subFormat(qFromLittleEndian<quint32>(guid),
                              qFromLittleEndian<quint16>(guid + 4),
                              qFromLittleEndian<quint16>(guid + 6), guid[8], guid[9], guid[10],
                              guid[11], guid[12], guid[13], guid[14], guid[15]);
        named += u" (sub-format "_s + subFormat.toString(QUuid::WithoutBraces) + u")"_s;
    }
    return Result::failure(sourceName + u" is not a PCM sound: format "_s + named);
}

Result unsupported(QStringView sourceName, QStringView field, qint64 value)
{
    const QString reason = u"unsupported "_s + field + u" ("_s + QString::number(value) + u")"_s;
    return readFailure(sourceName, reason);
}

// Accepts a format the encoder handles and sets its encoding; otherwise the first field that
// rules it out. Every field is checked against the others, as none of them is trusted alone.
Result accept(WavFormat& format, QStringView sourceName)
{
    const std::optional<quint16> tag = storageTag(format);
    const auto known = [&tag](const Accepted& row) { return tag && row.tag == *tag; };
    if (std::none_of(std::begin(kAccepted), std::end(kAccepted), known)) {
        return notPcm(format, sourceName);
    }
    if (format.channels < 1 || format.channels > kMaxChannels) {
        return unsupported(sourceName, u"number of channels", format.channels);
    }
    const auto* row = std::find_if(std::begin(kAccepted), std::end(kAccepted), [&](const auto& r) {
        return known(r) && r.bits == format.bitsPerSample;
    });
    if (row == std::end(kAccepted)) {
        return unsupported(sourceName, u"bits per sample", format.bitsPerSample);
    }
    if (format.blockAlign != format.bytesPerFrame()) {
        return unsupported(sourceName, u"block align", format.blockAlign);
    }
    if (format.sampleRate < kMinSampleRate) {
        return unsupported(sourceName, u"sample rate", format.sampleRate);
    }
    format.encoding = row->encoding;
    return Result::success();
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
        format.blockAlign = qFromLittleEndian<quint16>(bytes + 12);
        format.bitsPerSample = qFromLittleEndian<quint16>(bytes + 14);
        format.subFormat.reset();
        return true;
    }
    bool readSubFormat(WavFormat& format)
    {
        char bytes[kExtensionSize];
        if (!m_reader.read(bytes, kExtensionSize)) {
            return false;
        }
        format.subFormat.emplace();
        std::memcpy(format.subFormat->data(), bytes + 8, 16);
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
            qint64 formatRead = kFormatFieldsSize;
            if (header.format.formatTag == kExtensible &&
                chunkSize >= kFormatFieldsSize + kExtensionSize) {
                if (!readSubFormat(header.format)) {
                    return fieldCut();
                }
                formatRead += kExtensionSize;
            }
            m_consumed += formatRead;
            formatSeen = true;
            if (!skipBody(chunkSize, formatRead)) {
                return readError();
            }
        } else if (isTag(tag, "data")) {
            if (!formatSeen) {
                return readError();
            }
            if (const Result accepted = accept(header.format, m_sourceName); !accepted.ok) {
                return accepted;
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
