#include "base/FolderWalk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <utility>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#error "Paths of the installation are walked through POSIX descriptors"
#endif

using namespace Qt::StringLiterals;

namespace morvane {
namespace {

// More links than this in one walk go round in circles (the system's own limit).
constexpr int kMaxLinks = 40;
// A name that keeps changing between its look and its open is given up after this many tries.
constexpr int kMaxRetries = 8;

#ifndef O_PATH
constexpr int O_PATH = O_RDONLY;
#endif

Descriptor duplicateOf(int descriptor)
{
    return Descriptor(::fcntl(descriptor, F_DUPFD_CLOEXEC, 0));
}

Place placeOf(int folder, const QByteArray& name, const struct stat& status)
{
    return Place{duplicateOf(folder), name, true, status.st_mode, status.st_dev, status.st_ino};
}

Descriptor openFolderAt(int at, const char* name)
{
    return Descriptor(::openat(at, name, O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
}

Outcome<QByteArray> readLinkAt(int at, const QByteArray& name)
{
    QByteArray target(256, Qt::Uninitialized);
    for (;;) {
        const ssize_t length = ::readlinkat(at, name.constData(), target.data(), target.size());
        if (length < 0) {
            return Result::failure(systemError(errno));
        }
        if (length < target.size()) {
            target.truncate(length);
            return target;
        }
        if (target.size() >= 64 * 1024) {
            return Result::failure(systemError(ENAMETOOLONG));
        }
        target.resize(target.size() * 2);
    }
}

// Whether only "" and "." remain: the name before them ends the walk.
bool endsWalk(const QByteArrayList& rest)
{
    for (const QByteArray& name : rest) {
        if (!name.isEmpty() && name != ".") {
            return false;
        }
    }
    return true;
}

} // namespace

Descriptor::Descriptor(Descriptor&& other) noexcept
    : m_descriptor(std::exchange(other.m_descriptor, -1))
{}

Descriptor& Descriptor::operator=(Descriptor&& other) noexcept
{
    std::swap(m_descriptor, other.m_descriptor);
    return *this;
}

Descriptor::~Descriptor()
{
    if (m_descriptor >= 0) {
        ::close(m_descriptor);
    }
}

Descriptor Descriptor::duplicate() const
{
    return m_descriptor >= 0 ? duplicateOf(m_descriptor) : Descriptor();
}

bool Place::isRegularFile() const
{
    return exists && S_ISREG(mode);
}

bool Place::isFolder() const
{
    return exists && S_ISDIR(mode);
}

bool Place::isLink() const
{
    return exists && S_ISLNK(mode);
}

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

Outcome<FolderWalk> FolderWalk::open(const QString& root)
{
    FolderWalk walk;
    walk.m_bounded = !root.isEmpty();
    walk.m_root = root;
    const QString path = walk.m_bounded ? QFileInfo(root).canonicalFilePath() : u"/"_s;
    if (path.isEmpty()) {
        return Result::failure(systemError(ENOENT));
    }
    walk.m_realPath = QFile::encodeName(path);
    walk.m_descriptor =
        Descriptor(::open(walk.m_realPath.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!walk.m_descriptor.isOpen()) {
        return Result::failure(systemError(errno));
    }
    return walk;
}

Result FolderWalk::outside() const
{
    return Result::failure(u"a link leads outside "_s + m_root);
}

bool FolderWalk::leadsOutside(const Result& failed) const
{
    return !failed.ok && failed.message == outside().message;
}

Outcome<Place> FolderWalk::resolve(QByteArrayList names, Leaf leaf, Folders folders) const
{
    // The folders from the root down to where the walk is; ".." goes back up this chain, as the
    // system's ".." does, and never above the root.
    std::vector<Descriptor> chain;
    const auto current = [&]() { return chain.empty() ? m_descriptor.get() : chain.back().get(); };
    int links = 0;
    int retries = 0;
    while (!names.isEmpty()) {
        const QByteArray name = names.takeFirst();
        if (name.isEmpty() || name == ".") {
            continue;
        }
        if (name == "..") {
            if (!chain.empty()) {
                chain.pop_back();
            } else if (m_bounded) {
                return outside();
            }
            continue;
        }
        const bool last = endsWalk(names);
        struct stat status {};
        if (::fstatat(current(), name.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT) {
                return Result::failure(systemError(errno));
            }
            if (last) {
                return Place{duplicateOf(current()), name, false, 0, 0, 0};
            }
            if (folders == Folders::Existing) {
                return Place{Descriptor(), name, false, 0, 0, 0};
            }
            if (::mkdirat(current(), name.constData(), 0777) != 0 && errno != EEXIST) {
                return Result::failure(systemError(errno));
            }
            names.prepend(name);
            continue;
        }
        if (S_ISLNK(status.st_mode)) {
            if (last && leaf == Leaf::Keep) {
                return placeOf(current(), name, status);
            }
            if (++links > kMaxLinks) {
                return Result::failure(systemError(ELOOP));
            }
            const Outcome<QByteArray> read = readLinkAt(current(), name);
            if (!read) {
                return read.result();
            }
            QByteArray target = read.value();
            if (target.startsWith('/')) {
                if (m_bounded && target != m_realPath &&
                    !target.startsWith(QByteArray(m_realPath + '/'))) {
                    return outside();
                }
                chain.clear();
                target = target.mid(m_bounded ? m_realPath.size() : 0);
            }
            names = target.split('/') + names;
            continue;
        }
        if (last) {
            return placeOf(current(), name, status);
        }
        if (!S_ISDIR(status.st_mode)) {
            return Result::failure(systemError(ENOTDIR));
        }
        Descriptor next = openFolderAt(current(), name.constData());
        if (!next.isOpen()) {
            // Swapped for a link or a file since it was looked at: look again.
            if ((errno == ENOTDIR || errno == ELOOP || errno == ENOENT) &&
                ++retries <= kMaxRetries) {
                names.prepend(name);
                continue;
            }
            return Result::failure(systemError(errno));
        }
        chain.push_back(std::move(next));
    }
    struct stat status {};
    if (::fstat(current(), &status) != 0) {
        return Result::failure(systemError(errno));
    }
    return placeOf(current(), QByteArray(), status);
}

WalkPlan planWalk(const QString& root, const QString& path)
{
    // Taken as written: ".." stays for the walk to resolve as the system does.
    const QString absolute = QDir::isAbsolutePath(path) ? path : QDir::currentPath() + u'/' + path;
    const QString cleanRoot =
        root.isEmpty() ? QString() : QDir::cleanPath(QDir(root).absolutePath());
    const QString clean = QDir::cleanPath(absolute);
    const QString prefix = cleanRoot.endsWith(u'/') ? cleanRoot : cleanRoot + u'/';
    if (cleanRoot.isEmpty() || (clean != cleanRoot && !clean.startsWith(prefix))) {
        return {QString(), QFile::encodeName(absolute).split('/')};
    }
    const QString relative =
        absolute.startsWith(prefix) ? absolute.mid(prefix.size()) : clean.mid(prefix.size());
    return {root, QFile::encodeName(relative).split('/')};
}

} // namespace morvane
