#include "platform/ServedFiles.h"

#include <QFile>
#include <QFileInfo>

#include <utility>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#else
#error "The preview server opens its files through POSIX descriptors"
#endif

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
    return ServedFile{verdict, QString(), FileHandle(), 0};
}

bool isSafeSegment(const QByteArray& segment)
{
    return !segment.isEmpty() && segment != "." && segment != ".." && !segment.contains('/') &&
           !segment.contains('\\') && !segment.contains('\0');
}

// The request's path as a path relative to the root, each segment decoded; empty when refused.
QByteArray relativePathOf(const QByteArray& encodedPath)
{
    if (!encodedPath.startsWith('/')) {
        return {};
    }
    QByteArrayList segments;
    for (const QByteArray& encoded : encodedPath.mid(1).split('/')) {
        const QByteArray segment = QByteArray::fromPercentEncoding(encoded);
        if (!isSafeSegment(segment)) {
            return {};
        }
        segments.append(segment);
    }
    return segments.join('/');
}

bool isInside(const QByteArray& filePath, const QByteArray& rootPath)
{
    return filePath.startsWith(rootPath.endsWith('/') ? rootPath : rootPath + '/');
}

#if defined(Q_OS_LINUX)

QByteArray procPathOf(const FileHandle& handle)
{
    return "/proc/self/fd/" + QByteArray::number(handle.get());
}

// Where an open file is now: the file itself, whatever path led to it.
QByteArray pathOf(const FileHandle& handle)
{
    char buffer[PATH_MAX];
    const ssize_t length = ::readlink(procPathOf(handle).constData(), buffer, sizeof buffer);
    if (length <= 0 || static_cast<size_t>(length) == sizeof buffer) {
        return {};
    }
    return QByteArray(buffer, length);
}

ServedFile openInside(const QString& root, const QByteArray& relativePath)
{
    // O_PATH descriptors read nothing, so that no pipe or device is opened for real before it is
    // known to be a regular file inside the root.
    const FileHandle top(
        ::open(QFile::encodeName(root).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    const QByteArray rootPath = top.isOpen() ? pathOf(top) : QByteArray();
    if (rootPath.isEmpty()) {
        return refused(ServedFile::Verdict::NotFound);
    }
    const FileHandle found(::openat(top.get(), relativePath.constData(), O_PATH | O_CLOEXEC));
    const QByteArray filePath = found.isOpen() ? pathOf(found) : QByteArray();
    if (filePath.isEmpty()) {
        return refused(ServedFile::Verdict::NotFound);
    }
    if (!isInside(filePath, rootPath)) {
        return refused(ServedFile::Verdict::Forbidden);
    }
    struct stat status {};
    if (::fstat(found.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return refused(ServedFile::Verdict::NotFound);
    }
    // Reopened through /proc, the descriptor reads the very file that was checked, not whatever
    // the path leads to by now.
    FileHandle file(::open(procPathOf(found).constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY));
    if (!file.isOpen() || ::fstat(file.get(), &status) != 0) {
        return refused(ServedFile::Verdict::NotFound);
    }
    return ServedFile{ServedFile::Verdict::Serve, QFile::decodeName(filePath), std::move(file),
                      status.st_size};
}

#else

ServedFile openInside(const QString& root, const QByteArray& relativePath)
{
    const QString rootPath = QFileInfo(root).canonicalFilePath();
    if (rootPath.isEmpty()) {
        return refused(ServedFile::Verdict::NotFound);
    }
    const QString path = rootPath + u'/' + QFile::decodeName(relativePath);
    // Non-blocking, so that a pipe in a file's place cannot hold the server.
    FileHandle file(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    struct stat opened {};
    if (!file.isOpen() || ::fstat(file.get(), &opened) != 0) {
        return refused(ServedFile::Verdict::NotFound);
    }
    // Checked after the open: the path must still lead to the file that was opened, or a folder
    // was swapped under us.
    const QString filePath = QFileInfo(path).canonicalFilePath();
    struct stat named {};
    if (filePath.isEmpty() || ::stat(QFile::encodeName(filePath).constData(), &named) != 0 ||
        named.st_dev != opened.st_dev || named.st_ino != opened.st_ino) {
        return refused(ServedFile::Verdict::NotFound);
    }
    if (!isInside(QFile::encodeName(filePath), QFile::encodeName(rootPath))) {
        return refused(ServedFile::Verdict::Forbidden);
    }
    if (!S_ISREG(opened.st_mode)) {
        return refused(ServedFile::Verdict::NotFound);
    }
    return ServedFile{ServedFile::Verdict::Serve, filePath, std::move(file), opened.st_size};
}

#endif

} // namespace

FileHandle::FileHandle(FileHandle&& other) noexcept
    : m_descriptor(std::exchange(other.m_descriptor, -1))
{}

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept
{
    std::swap(m_descriptor, other.m_descriptor);
    return *this;
}

FileHandle::~FileHandle()
{
    if (m_descriptor >= 0) {
        ::close(m_descriptor);
    }
}

ServedFile openServedFile(const QString& root, const QByteArray& encodedPath)
{
    const QByteArray relativePath = relativePathOf(encodedPath);
    if (relativePath.isEmpty()) {
        return refused(ServedFile::Verdict::Forbidden);
    }
    return openInside(root, relativePath);
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
