#pragma once

#include <QString>

namespace morvane::audio {

enum class ConversionError {
    None,
    SourceNotFound,
    SourceNotOpened,
    SourceNotRegular,
    NotRiff,
    NotWave,
    ReadError,
    FieldReadError,
    UnsupportedChannels,
    UnsupportedBits,
    UnsupportedRate,
    DestinationNotCreated,
    DestinationNotRegular,
    DestinationNotWritten,
};

// The user-facing text of an error; `path` is the source or the destination the error is about,
// `detail` the offending header value of the Unsupported* errors.
QString errorMessage(ConversionError error, const QString& path, qint64 detail = 0);

} // namespace morvane::audio
