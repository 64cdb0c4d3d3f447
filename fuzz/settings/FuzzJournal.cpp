#include "Require.h"
#include "settings/SaveJournal.h"

#include <QCryptographicHash>

#include <cstddef>
#include <cstdint>

using namespace morvane::settings;
using namespace Qt::StringLiterals;

namespace {

bool isSettingsPath(const QString& path)
{
    if (path == u"morvane.ini")
        return true;
    const QString name = path.mid(4);
    return path.startsWith(u"cfg/") && !name.isEmpty() && name != u"." && name != u".." &&
           !name.contains(u'/') && !name.contains(u'\\') && !name.contains(QChar(0));
}

} // namespace

// The input is taken both as a whole journal and as the body of one whose check sum holds, so
// that the reader's parsing is reached and not only its check sum. Whatever it accepts names
// only settings files and reads back the same after a new save.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QByteArray sealed = QByteArrayLiteral("MORVANE-SAVE-1\n") + input +
                              QCryptographicHash::hash(input, QCryptographicHash::Sha256);
    for (const QByteArray& journal : {input, sealed}) {
        const auto files = decodeJournal(journal);
        if (!files)
            continue;
        for (const PendingFile& file : *files)
            require(isSettingsPath(file.relativePath));
        require(decodeJournal(encodeJournal(*files)) == files);
    }
    return 0;
}
