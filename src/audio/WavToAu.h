#pragma once

#include "audio/ConversionError.h"
#include "audio/SampleEncoder.h"

#include <QByteArray>
#include <QString>

class QIODevice;

namespace morvane::audio {

struct ConversionResult {
    ConversionError error = ConversionError::None;
    // The error text, or on a whole conversion the success text.
    QString message;
    bool ok() const { return error == ConversionError::None; }
};

struct EncodedWav {
    ConversionError error = ConversionError::None;
    qint64 errorDetail = 0;
    QByteArray muLaw;
    bool ok() const { return error == ConversionError::None; }
};

// Reads a WAV stream from a random-access device at its current position and returns its
// samples as mono 8012 Hz mu-law bytes. `blockSize` is the read granularity.
EncodedWav encodeWav(QIODevice& device, const ProgressCallback& progress = {},
                     qint64 blockSize = BlockReader::kDefaultBlockSize);

struct EncodedFile {
    ConversionResult result;
    QByteArray muLaw;
};

// Opens and encodes the WAV file; on failure result.message names the source. Anything but a
// regular file (a folder, a pipe, a device) is refused without being read. The menu command runs
// this, then asks for the destination, then calls writeAuFile.
EncodedFile encodeWavFile(const QString& sourcePath, const ProgressCallback& progress = {});

// Writes the header and the samples to the destination in one replace: a failure leaves no new
// file and an existing destination unchanged. An existing destination that is not a regular file
// is refused and left as it is.
ConversionResult writeAuFile(const QByteArray& muLaw, const QString& destinationPath);

// "Successfully converted SOURCE to DESTINATION".
QString successMessage(const QString& sourcePath, const QString& destinationPath);

// Both steps; on success the message is the success message.
ConversionResult convertWavToAu(const QString& sourcePath, const QString& destinationPath,
                                const ProgressCallback& progress = {});

} // namespace morvane::audio
