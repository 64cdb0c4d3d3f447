#include "platform/ServedFiles.h"

#include <QFileInfo>
#include <QStringList>

namespace morvane::platform {

using namespace Qt::StringLiterals;

namespace {

struct ContentType {
    QLatin1StringView extension;
    const char* type;
};

constexpr ContentType kContentTypes[] = {
    {"htm"_L1, "text/html; charset=utf-8"},
    {"html"_L1, "text/html; charset=utf-8"},
    {"js"_L1, "text/javascript; charset=utf-8"},
    {"css"_L1, "text/css; charset=utf-8"},
    {"gif"_L1, "image/gif"},
    {"jpg"_L1, "image/jpeg"},
    {"jpeg"_L1, "image/jpeg"},
    {"png"_L1, "image/png"},
    {"au"_L1, "audio/basic"},
    {"txt"_L1, "text/plain"},
    {"dat"_L1, "text/plain"},
};

ServedFile refused(ServedFile::Verdict verdict)
{
    return ServedFile{verdict, QString()};
}

bool isSafeSegment(const QString& segment)
{
    return !segment.isEmpty() && segment != "."_L1 && segment != ".."_L1 &&
           !segment.contains(u'/') && !segment.contains(u'\\') && !segment.contains(QChar());
}

} // namespace

ServedFile resolveServedFile(const QString& root, const QByteArray& encodedPath)
{
    if (!encodedPath.startsWith('/')) {
        return refused(ServedFile::Verdict::Forbidden);
    }
    QStringList segments;
    for (const QByteArray& encoded : encodedPath.mid(1).split('/')) {
        const QString segment = QString::fromUtf8(QByteArray::fromPercentEncoding(encoded));
        if (!isSafeSegment(segment)) {
            return refused(ServedFile::Verdict::Forbidden);
        }
        segments.append(segment);
    }

    const QString rootPath = QFileInfo(root).canonicalFilePath();
    if (rootPath.isEmpty()) {
        return refused(ServedFile::Verdict::NotFound);
    }
    // A missing file and a link to nowhere both have no canonical path.
    const QString filePath = QFileInfo(rootPath + u'/' + segments.join(u'/')).canonicalFilePath();
    if (filePath.isEmpty()) {
        return refused(ServedFile::Verdict::NotFound);
    }
    const QString prefix = rootPath.endsWith(u'/') ? rootPath : rootPath + u'/';
    if (!filePath.startsWith(prefix)) {
        return refused(ServedFile::Verdict::Forbidden);
    }
    if (!QFileInfo(filePath).isFile()) {
        return refused(ServedFile::Verdict::NotFound);
    }
    return ServedFile{ServedFile::Verdict::Serve, filePath};
}

QByteArray contentTypeOf(const QString& fileName)
{
    const QString extension = QFileInfo(fileName).suffix();
    for (const ContentType& entry : kContentTypes) {
        if (extension.compare(entry.extension, Qt::CaseInsensitive) == 0) {
            return entry.type;
        }
    }
    return "application/octet-stream";
}

} // namespace morvane::platform
