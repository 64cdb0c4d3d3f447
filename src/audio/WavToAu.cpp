#include "audio/WavToAu.h"

#include "audio/AuHeader.h"
#include "audio/WavHeader.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <filesystem>
#include <system_error>

using namespace Qt::StringLiterals;

namespace morvane::audio {

namespace {

Result sourceNotRegular(const QString& path)
{
    return Result::failure(u"Can't open the file: " % path % u" (not a regular file)");
}

Result destinationNotWritten(const QString& path)
{
    return Result::failure(u"Can't write " % path);
}

// Writing over the source would lose it whatever the outcome: the same file is refused under any
// name (another spelling, a hard link, a symbolic link), found by its device and inode.
Result refuseOverwritingSource(const QString& sourcePath, const QString& destinationPath)
{
    std::error_code error;
    if (!sourcePath.isEmpty() &&
        std::filesystem::equivalent(QFileInfo(sourcePath).filesystemFilePath(),
                                    QFileInfo(destinationPath).filesystemFilePath(), error)) {
        return Result::failure(u"Can't create "_s + destinationPath +
                               u" (it is the sound being converted)"_s);
    }
    return Result::success();
}

} // namespace

Outcome<QByteArray> encodeWav(QIODevice& device, const ProgressCallback& progress, qint64 blockSize,
                              QStringView sourceName)
{
    BlockReader reader(device, blockSize);
    const Outcome<WavHeader> header = readWavHeader(reader, sourceName);
    if (!header.ok()) {
        return header.result();
    }
    return encodeSamples(reader, header.value(), sourceName, progress);
}

Outcome<QByteArray> encodeWavFile(const QString& sourcePath, const ProgressCallback& progress)
{
    const QFileInfo info(sourcePath);
    if (!info.exists()) {
        return Result::failure(u"Can't find the file: " % sourcePath);
    }
    // Opening a pipe waits for a writer that may never come, and a device never ends: only a
    // regular file is read. The opened file is checked too, as the path may have been replaced
    // by a device in between.
    if (!info.isFile()) {
        return sourceNotRegular(sourcePath);
    }
    QFile file(sourcePath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        return Result::failure(u"Can't open the file: " % sourcePath);
    }
    if (file.isSequential()) {
        return sourceNotRegular(sourcePath);
    }
    return encodeWav(file, progress, BlockReader::kDefaultBlockSize, sourcePath);
}

Result writeAuFile(const QByteArray& muLaw, const QString& destinationPath,
                   const QString& sourcePath)
{
    if (const Result refused = refuseOverwritingSource(sourcePath, destinationPath); !refused.ok) {
        return refused;
    }
    // The save file's rename would put a regular file in place of a device, a pipe or a link to
    // one, and whatever uses it would lose it.
    const QFileInfo existing(destinationPath);
    if (existing.exists() && !existing.isFile()) {
        return Result::failure(u"Can't create " % destinationPath % u" (not a regular file)");
    }
    QSaveFile file(destinationPath);
    if (!file.open(QIODevice::WriteOnly)) {
        return Result::failure(u"Can't create " % destinationPath);
    }
    const QByteArray header = auHeader(static_cast<quint32>(muLaw.size()));
    // A save file flushes small writes only inside commit(), which then renames even when that
    // flush failed: the flush is checked first.
    const bool whole = file.write(header) == header.size() && file.write(muLaw) == muLaw.size() &&
                       file.flush() && file.error() == QFileDevice::NoError;
    if (!whole) {
        file.cancelWriting();
        file.commit();
        return destinationNotWritten(destinationPath);
    }
    if (!file.commit()) {
        return destinationNotWritten(destinationPath);
    }
    return Result::success();
}

QString successMessage(const QString& sourcePath, const QString& destinationPath)
{
    return u"Successfully converted " % sourcePath % u" to " % destinationPath;
}

Result convertWavToAu(const QString& sourcePath, const QString& destinationPath,
                      const ProgressCallback& progress)
{
    // Refused before the source is read, as reading a long one takes a while.
    if (const Result refused = refuseOverwritingSource(sourcePath, destinationPath); !refused.ok) {
        return refused;
    }
    const Outcome<QByteArray> encoded = encodeWavFile(sourcePath, progress);
    if (!encoded.ok()) {
        return encoded.result();
    }
    return writeAuFile(encoded.value(), destinationPath, sourcePath);
}

} // namespace morvane::audio
