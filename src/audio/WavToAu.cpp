#include "audio/WavToAu.h"

#include "audio/AuHeader.h"
#include "audio/WavHeader.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace morvane::audio {

namespace {

ConversionResult failure(ConversionError error, const QString& path, qint64 detail = 0)
{
    return {error, errorMessage(error, path, detail)};
}

} // namespace

EncodedWav encodeWav(QIODevice& device, const ProgressCallback& progress, qint64 blockSize)
{
    BlockReader reader(device, blockSize);
    const WavHeader header = readWavHeader(reader);
    if (!header.ok()) {
        return {header.error, header.errorDetail, {}};
    }
    EncodedSamples samples = encodeSamples(reader, header, progress);
    if (!samples.ok) {
        return {ConversionError::ReadError, 0, {}};
    }
    return {ConversionError::None, 0, std::move(samples.muLaw)};
}

EncodedFile encodeWavFile(const QString& sourcePath, const ProgressCallback& progress)
{
    const QFileInfo info(sourcePath);
    if (!info.exists()) {
        return {failure(ConversionError::SourceNotFound, sourcePath), {}};
    }
    // Opening a pipe waits for a writer that may never come, and a device never ends: only a
    // regular file is read. The opened file is checked too, as the path may have been replaced
    // by a device in between.
    if (!info.isFile()) {
        return {failure(ConversionError::SourceNotRegular, sourcePath), {}};
    }
    QFile file(sourcePath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        return {failure(ConversionError::SourceNotOpened, sourcePath), {}};
    }
    if (file.isSequential()) {
        return {failure(ConversionError::SourceNotRegular, sourcePath), {}};
    }
    EncodedWav encoded = encodeWav(file, progress);
    if (!encoded.ok()) {
        return {failure(encoded.error, sourcePath, encoded.errorDetail), {}};
    }
    return {{}, std::move(encoded.muLaw)};
}

ConversionResult writeAuFile(const QByteArray& muLaw, const QString& destinationPath)
{
    // The save file's rename would put a regular file in place of a device, a pipe or a link to
    // one, and whatever uses it would lose it.
    const QFileInfo existing(destinationPath);
    if (existing.exists() && !existing.isFile()) {
        return failure(ConversionError::DestinationNotRegular, destinationPath);
    }
    QSaveFile file(destinationPath);
    if (!file.open(QIODevice::WriteOnly)) {
        return failure(ConversionError::DestinationNotCreated, destinationPath);
    }
    const QByteArray header = auHeader(static_cast<quint32>(muLaw.size()));
    // A save file flushes small writes only inside commit(), which then renames even when that
    // flush failed: the flush is checked first.
    const bool whole = file.write(header) == header.size() && file.write(muLaw) == muLaw.size() &&
                       file.flush() && file.error() == QFileDevice::NoError;
    if (!whole) {
        file.cancelWriting();
        file.commit();
        return failure(ConversionError::DestinationNotWritten, destinationPath);
    }
    if (!file.commit()) {
        return failure(ConversionError::DestinationNotWritten, destinationPath);
    }
    return {};
}

QString successMessage(const QString& sourcePath, const QString& destinationPath)
{
    return u"Successfully converted " % sourcePath % u" to " % destinationPath;
}

ConversionResult convertWavToAu(const QString& sourcePath, const QString& destinationPath,
                                const ProgressCallback& progress)
{
    const EncodedFile encoded = encodeWavFile(sourcePath, progress);
    if (!encoded.result.ok()) {
        return encoded.result;
    }
    const ConversionResult written = writeAuFile(encoded.muLaw, destinationPath);
    if (!written.ok()) {
        return written;
    }
    return {ConversionError::None, successMessage(sourcePath, destinationPath)};
}

} // namespace morvane::audio
