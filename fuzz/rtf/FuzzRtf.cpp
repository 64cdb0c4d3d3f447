#include "ui/richtext/RtfReader.h"

#include <QTextDocument>

#include <cstddef>
#include <cstdint>

// Building the document needs no application. Laying it out would, and the font cache it fills
// across inputs reads as a leak to libFuzzer, so layout stays out of this target.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const QByteArray& rtf : {input, QByteArray(QByteArray("{\\rtf1 ") + input)}) {
        QTextDocument document;
        if (morvane::ui::richtext::loadRtf(rtf, &document))
            (void)document.toRawText();
    }
    return 0;
}
