#include "base/PlacedFiles.h"

#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <utility>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace morvane {
namespace {

constexpr char kStagingMark[] = ".saving-";
constexpr int kStagingTries = 16;

Result failedWith(int error)
{
    return Result::failure(systemError(error));
}

QByteArray randomSuffix()
{
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray suffix(6, Qt::Uninitialized);
    for (char& letter : suffix) {
        letter = kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters) - 1)];
    }
    return suffix;
}

} // namespace

Outcome<Descriptor> openRegularFile(const Place& place)
{
    if (!place.folder.isOpen() || !place.exists) {
        return failedWith(ENOENT);
    }
    if (!place.isRegularFile()) {
        return Result::failure(u"not a regular file"_s);
    }
    Descriptor file(::openat(place.folder.get(), place.name.constData(),
                             O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file.isOpen()) {
        return failedWith(errno);
    }
    if (fileIdOf(file) != fileIdOf(place)) {
        return Result::failure(u"changed while it was opened"_s);
    }
    return file;
}

Outcome<QByteArray> readUpTo(const Descriptor& file, qint64 limit)
{
    QByteArray bytes;
    constexpr qint64 kBlock = 64 * 1024;
    while (bytes.size() < limit) {
        const qsizetype start = bytes.size();
        const qint64 wanted = std::min(kBlock, limit - start);
        bytes.resize(start + wanted);
        const ssize_t got = ::read(file.get(), bytes.data() + start, size_t(wanted));
        if (got < 0) {
            if (errno == EINTR) {
                bytes.resize(start);
                continue;
            }
            return failedWith(errno);
        }
        bytes.resize(start + got);
        if (got == 0) {
            break;
        }
    }
    return bytes;
}

FileId fileIdOf(const Descriptor& file)
{
    struct stat status {};
    if (::fstat(file.get(), &status) != 0) {
        return {};
    }
    return {quint64(status.st_dev), quint64(status.st_ino)};
}

FileId fileIdOf(const Place& place)
{
    return place.exists ? FileId{place.device, place.inode} : FileId{};
}

Outcome<StagedFile> StagedFile::create(const Place& place)
{
    if (!place.folder.isOpen() || place.name.isEmpty()) {
        return failedWith(ENOENT);
    }
    // A save would put a regular file in place of a folder, a device or a pipe.
    if (place.exists && !place.isRegularFile()) {
        return Result::failure(u"not a regular file"_s);
    }
    StagedFile staged;
    staged.m_folder = place.folder.duplicate();
    staged.m_name = place.name;
    for (int tries = 0; tries < kStagingTries && !staged.m_file.isOpen(); ++tries) {
        staged.m_stagingName = place.name + kStagingMark + randomSuffix();
        staged.m_file =
            Descriptor(::openat(staged.m_folder.get(), staged.m_stagingName.constData(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (!staged.m_file.isOpen() && errno != EEXIST) {
            const int error = errno;
            staged.m_stagingName.clear();
            return failedWith(error);
        }
    }
    if (!staged.m_file.isOpen()) {
        staged.m_stagingName.clear();
        return failedWith(EEXIST);
    }
    if (place.exists) {
        ::fchmod(staged.m_file.get(), place.mode & 07777);
    }
    return staged;
}

StagedFile::StagedFile(StagedFile&& other) noexcept
    : m_folder(std::move(other.m_folder))
    , m_file(std::move(other.m_file))
    , m_name(std::move(other.m_name))
    , m_stagingName(std::exchange(other.m_stagingName, QByteArray()))
{}

StagedFile::~StagedFile()
{
    drop();
}

void StagedFile::drop()
{
    if (!m_stagingName.isEmpty()) {
        ::unlinkat(m_folder.get(), m_stagingName.constData(), 0);
        m_stagingName.clear();
    }
    m_file = Descriptor();
}

Result StagedFile::write(const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote =
            ::write(m_file.get(), bytes.constData() + done, size_t(bytes.size() - done));
        if (wrote < 0) {
            if (errno == EINTR) {
                continue;
            }
            return failedWith(errno);
        }
        done += wrote;
    }
    return Result::success();
}

Result StagedFile::commit()
{
    if (m_stagingName.isEmpty()) {
        return failedWith(EBADF);
    }
    // On disk before it takes the old file's place, so that a power cut leaves one of the two.
    const int file = m_file.release();
    int error = ::fsync(file) == 0 ? 0 : errno;
    if (::close(file) != 0 && error == 0) {
        error = errno;
    }
    if (error != 0) {
        drop();
        return failedWith(error);
    }
    if (::renameat(m_folder.get(), m_stagingName.constData(), m_folder.get(), m_name.constData()) !=
        0) {
        error = errno;
        drop();
        return failedWith(error);
    }
    m_stagingName.clear();
    return Result::success();
}

bool isStagingName(const QString& name)
{
    static const QRegularExpression pattern(u"^.+\\.saving-[A-Za-z0-9]{6}$"_s);
    return pattern.match(name).hasMatch();
}

Place lookAt(const Descriptor& folder, const QByteArray& name)
{
    struct stat status {};
    if (::fstatat(folder.get(), name.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
        return Place{folder.duplicate(), name, false, 0, 0, 0};
    }
    return Place{folder.duplicate(),    name, true, status.st_mode, quint64(status.st_dev),
                 quint64(status.st_ino)};
}

Outcome<Place> enterFolder(const Place& place)
{
    if (place.name.isEmpty()) {
        return Place{
            place.folder.duplicate(), {}, place.exists, place.mode, place.device, place.inode};
    }
    Descriptor folder(::openat(place.folder.get(), place.name.constData(),
                               O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat status {};
    if (!folder.isOpen() || ::fstat(folder.get(), &status) != 0) {
        return failedWith(errno);
    }
    return Place{std::move(folder),     {}, true, status.st_mode, quint64(status.st_dev),
                 quint64(status.st_ino)};
}

Outcome<QByteArrayList> namesIn(const Place& folder)
{
    Descriptor listing(::openat(folder.folder.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    DIR* entries = listing.isOpen() ? ::fdopendir(listing.get()) : nullptr;
    if (entries == nullptr) {
        return failedWith(errno);
    }
    listing.release();
    QByteArrayList names;
    while (const dirent* entry = ::readdir(entries)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..") {
            names.append(name);
        }
    }
    ::closedir(entries);
    return names;
}

Result makeFolder(const Place& place)
{
    if (::mkdirat(place.folder.get(), place.name.constData(), 0777) != 0 && errno != EEXIST) {
        return failedWith(errno);
    }
    return Result::success();
}

Result removePlace(const Place& place)
{
    if (!place.folder.isOpen() || !place.exists) {
        return Result::success();
    }
    if (::unlinkat(place.folder.get(), place.name.constData(),
                   place.isFolder() ? AT_REMOVEDIR : 0) != 0 &&
        errno != ENOENT) {
        return failedWith(errno);
    }
    return Result::success();
}

} // namespace morvane
