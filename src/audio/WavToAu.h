#pragma once

#include "audio/SampleEncoder.h"
#include "base/Outcome.h"
#include "base/Result.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

class QIODevice;

namespace morvane::audio {

// Reads a WAV stream from a random-access device at its current position and returns its
// samples as mono 8012 Hz mu-law bytes. `blockSize` is the read granularity; a failure's message
// names the stream as `sourceName`.
Outcome<QByteArray> encodeWav(QIODevice& device, const ProgressCallback& progress = {},
                              qint64 blockSize = BlockReader::kDefaultBlockSize,
                              QStringView sourceName = u"the input");

// Opens and encodes the WAV file into mu-law bytes; a failure's message names the source.
// Anything but a regular file (a folder, a pipe, a device) is refused without being read. The
// menu command runs this, then asks for the destination, then calls writeAuFile.
Outcome<QByteArray> encodeWavFile(const QString& sourcePath, const ProgressCallback& progress = {});

// Writes the header and the samples to the destination in one replace: a failure leaves no new
// file and an existing destination unchanged. An existing destination that is not a regular file
// is refused and left as it is, and so is a destination that is the source file under any name.
Result writeAuFile(const QByteArray& muLaw, const QString& destinationPath,
                   const QString& sourcePath = {});

// "Successfully converted SOURCE to DESTINATION".
QString successMessage(const QString& sourcePath, const QString& destinationPath);

// Both steps; a success is the caller's to tell, with successMessage.
Result convertWavToAu(const QString& sourcePath, const QString& destinationPath,
                      const ProgressCallback& progress = {});

} // namespace morvane::audio
