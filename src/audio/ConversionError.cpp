#include "audio/ConversionError.h"

namespace morvane::audio {

QString errorMessage(ConversionError error, const QString& path, qint64 detail)
{
    const QString value = QString::number(detail);
    switch (error) {
    case ConversionError::None:
        return {};
    case ConversionError::SourceNotFound:
        return u"Can't find the file: " % path;
    case ConversionError::SourceNotOpened:
        return u"Can't open the file: " % path;
    case ConversionError::SourceNotRegular:
        return u"Can't open the file: " % path % u" (not a regular file)";
    case ConversionError::NotRiff:
        return u"Can't read " % path % u": not a RIFF file !";
    case ConversionError::NotWave:
        return u"Can't read " % path % u": not a WAVE file !";
    case ConversionError::ReadError:
        return u"Can't read " % path % u": read error !";
    case ConversionError::FieldReadError:
        return u"Can't read " % path;
    case ConversionError::UnsupportedChannels:
        return u"Can't read " % path % u": unsupported number of channels (" % value % u") !";
    case ConversionError::UnsupportedBits:
        return u"Can't read " % path % u": unsupported bits per sample (" % value % u") !";
    case ConversionError::UnsupportedRate:
        return u"Can't read " % path % u": unsupported sample rate (" % value % u") !";
    case ConversionError::DestinationNotCreated:
        return u"Can't create " % path;
    case ConversionError::DestinationNotRegular:
        return u"Can't create " % path % u" (not a regular file)";
    case ConversionError::DestinationNotWritten:
        return u"Can't write " % path;
    }
    return {};
}

} // namespace morvane::audio
