#include "platform/ServedFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <utility>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
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
    return ServedFile{verdict, QString(), Descriptor(), 0};
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

#if defined(O_PATH)
// Descriptors that read nothing, so that no pipe or device is opened for real before it is known
// to be a regular file inside the root.
constexpr int kLookOnly = O_PATH;
#else
constexpr int kLookOnly = O_RDONLY;
#endif
constexpr int kFolder = kLookOnly | O_DIRECTORY | O_CLOEXEC;

// What is wrong with name inside the folder at, which failed to open as a folder with error.
QString whyNotAFolder(int at, const QByteArray& name, int error)
{
    struct stat status {};
    if (::fstatat(at, name.constData(), &status, AT_SYMLINK_NOFOLLOW) == 0) {
        if (S_ISLNK(status.st_mode)) {
            return u"is a link."_s;
        }
        if (!S_ISDIR(status.st_mode)) {
            return u"is not a folder."_s;
        }
    }
    return u"cannot be opened (%1)."_s.arg(qt_error_string(error));
}

QString notServed(const QString& folder, const QString& subject, const QString& why)
{
    const QString shown = QDir::toNativeSeparators(folder);
    return u"The folder \"%1\" is not served: %2 %3"_s.arg(
        shown, subject == shown ? u"it"_s : u'"' + subject + u'"', why);
}

#if defined(Q_OS_LINUX)

bool isInside(const QByteArray& filePath, const QByteArray& rootPath)
{
    return filePath.startsWith(rootPath.endsWith('/') ? rootPath : rootPath + '/');
}

QByteArray procPathOf(const Descriptor& handle)
{
    return "/proc/self/fd/" + QByteArray::number(handle.get());
}

// Where an open file is now: the file itself, whatever path led to it.
QByteArray pathOf(const Descriptor& handle)
{
    char buffer[PATH_MAX];
    const ssize_t length = ::readlink(procPathOf(handle).constData(), buffer, sizeof buffer);
    if (length <= 0 || static_cast<size_t>(length) == sizeof buffer) {
        return {};
    }
    return QByteArray(buffer, length);
}

ServedFile openInside(const Descriptor& root, const QByteArray& relativePath)
{
    // Asked again at each request: the root may have been moved, and what counts is where it
    // is now, not the path it was served under.
    const QByteArray rootPath = pathOf(root);
    if (rootPath.isEmpty()) {
        return refused(ServedFile::Verdict::NotFound);
    }
    const Descriptor found(::openat(root.get(), relativePath.constData(), O_PATH | O_CLOEXEC));
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
    Descriptor file(::open(procPathOf(found).constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY));
    if (!file.isOpen() || ::fstat(file.get(), &status) != 0) {
        return refused(ServedFile::Verdict::NotFound);
    }
    return ServedFile{ServedFile::Verdict::Serve, QFile::decodeName(filePath), std::move(file),
                      status.st_size};
}

#else

// Without a way to ask where an open file is, no link is followed at all: each folder on the way
// is opened from the one before.
ServedFile openInside(const Descriptor& root, const QByteArray& relativePath)
{
    const QByteArrayList names = relativePath.split('/');
    Descriptor folder;
    int at = root.get();
    for (qsizetype i = 0; i + 1 < names.size(); ++i) {
        Descriptor next(::openat(at, names[i].constData(), kFolder | O_NOFOLLOW));
        if (!next.isOpen()) {
            return refused(ServedFile::Verdict::NotFound);
        }
        folder = std::move(next);
        at = folder.get();
    }
    // Non-blocking, so that a pipe in a file's place cannot hold the server.
    Descriptor file(::openat(at, names.constLast().constData(),
                             O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    struct stat status {};
    if (!file.isOpen() || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return refused(ServedFile::Verdict::NotFound);
    }
    return ServedFile{ServedFile::Verdict::Serve, QFile::decodeName(relativePath), std::move(file),
                      status.st_size};
}

#endif

} // namespace

Outcome<Descriptor> openServedRoot(const QString& folder, const QString& installation)
{
    const QString path = QDir(folder).absolutePath();
    if (installation.isEmpty()) {
        const QByteArray name = QFile::encodeName(path);
        Descriptor root(::open(name.constData(), kFolder | O_NOFOLLOW));
        if (!root.isOpen()) {
            const int error = errno;
            return Outcome<Descriptor>::failure(
                notServed(path, path, whyNotAFolder(AT_FDCWD, name, error)));
        }
        return root;
    }
    const QString base = QDir(installation).absolutePath();
    const QString prefix = base.endsWith(u'/') ? base : base + u'/';
    if (path != base && !path.startsWith(prefix)) {
        return Outcome<Descriptor>::failure(
            notServed(path, path, u"is not inside \"%1\"."_s.arg(QDir::toNativeSeparators(base))));
    }
    Descriptor at(::open(QFile::encodeName(base).constData(), kFolder));
    if (!at.isOpen()) {
        const int error = errno;
        return Outcome<Descriptor>::failure(
            notServed(path, QDir::toNativeSeparators(base),
                      u"cannot be opened (%1)."_s.arg(qt_error_string(error))));
    }
    QString reached = base;
    for (const QString& name : path.mid(prefix.size()).split(u'/', Qt::SkipEmptyParts)) {
        reached = QDir(reached).filePath(name);
        const QByteArray encoded = QFile::encodeName(name);
        Descriptor next(::openat(at.get(), encoded.constData(), kFolder | O_NOFOLLOW));
        if (!next.isOpen()) {
            const int error = errno;
            return Outcome<Descriptor>::failure(notServed(path, QDir::toNativeSeparators(reached),
                                                          whyNotAFolder(at.get(), encoded, error)));
        }
        at = std::move(next);
    }
    return at;
}

ServedFile openServedFile(const Descriptor& root, const QByteArray& encodedPath)
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
