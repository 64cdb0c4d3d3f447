#include "settings/UserCopy.h"

#include "settings/AtomicFile.h"
#include "settings/FolderLock.h"
#include "settings/InsideFolder.h"
#include "settings/SettingsStore.h"
#include "settings/ShippedManifest.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <optional>

#ifndef MORVANE_DATA_FROM_PROGRAM
#define MORVANE_DATA_FROM_PROGRAM "../share/morvane"
#endif

namespace morvane::settings {
namespace {

using namespace Qt::StringLiterals;

bool holdsInstallation(const QString& dir)
{
    return QFileInfo(profilePath(dir)).isFile();
}

bool sameFolder(const QString& a, const QString& b)
{
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

QString userCopyDir(const Surroundings& where)
{
    if (!where.installDirVariable.isEmpty()) {
        return QDir::cleanPath(QDir(where.currentDir).absoluteFilePath(where.installDirVariable));
    }
    // A relative data home is invalid and ignored, as the base directory rules say.
    const QString dataHome = QDir::isAbsolutePath(where.dataHome)
                                 ? where.dataHome
                                 : QDir(where.homeDir).filePath(u".local/share"_s);
    return QDir::cleanPath(QDir(dataHome).filePath(u"morvane"_s));
}

struct ShippedList {
    QStringList files;                 // relative paths in a stable order, the profile last
    QMap<QString, SeenFolder> folders; // as listed, "." the top; none when one shows no stamp
    bool asRecorded = false;           // files and folders are those of the manifest
};

QString folderPath(const QString& shippedDir, const QString& folder)
{
    return folder == u"." ? shippedDir : shippedDir + u'/' + folder;
}

// Each folder is stamped before it is listed: a file added meanwhile changes the stamp, and the
// next start lists the folder again. Links to folders are not followed.
ShippedList walkShipped(const QString& shippedDir)
{
    ShippedList list;
    QStringList pending{u"."_s};
    while (!pending.isEmpty()) {
        const QString folder = pending.takeLast();
        const QString path = folderPath(shippedDir, folder);
        list.folders.insert(folder, {stampOf(path), std::nullopt});
        const QString prefix = folder == u"." ? QString() : folder + u'/';
        QDirIterator it(path, QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
        while (it.hasNext()) {
            it.next();
            const QFileInfo entry = it.fileInfo();
            if (!entry.isDir()) {
                list.files.append(prefix + entry.fileName());
            } else if (!entry.isSymLink()) {
                pending.append(prefix + entry.fileName());
            }
        }
    }
    list.files.sort();
    return list;
}

bool unchanged(const QString& shippedDir, const QMap<QString, SeenFolder>& folders)
{
    if (folders.isEmpty()) {
        return false;
    }
    for (auto it = folders.cbegin(); it != folders.cend(); ++it) {
        if (stampOf(folderPath(shippedDir, it.key())) != it->shipped) {
            return false;
        }
    }
    return true;
}

// The shipped files as the manifest recorded them while no shipped folder changed: listing
// the folders costs more than all the rest of a start's look at the shipped data.
ShippedList listShipped(const QString& shippedDir, const ShippedManifest& recorded)
{
    ShippedList list;
    if (unchanged(shippedDir, recorded.folders)) {
        list = {recorded.files.keys(), recorded.folders, true};
    } else {
        list = walkShipped(shippedDir);
    }
    for (const SeenFolder& folder : std::as_const(list.folders)) {
        if (!folder.shipped.known()) {
            list.folders.clear();
            break;
        }
    }
    const QDir root(shippedDir);
    list.files.removeAll(root.relativeFilePath(shippedManifestPath(shippedDir)));
    // A program once started in the data it ships from left its lock there: the lock is the
    // copy's own program's, never the shipped data's.
    list.files.removeIf(isFolderLockFile);
    const QString profile = root.relativeFilePath(profilePath(shippedDir));
    if (list.files.removeAll(profile) > 0) {
        list.files.append(profile);
    }
    return list;
}

// The user's settings and lists: only ever added, never replaced, whatever a newer version ships.
bool isUsersOwn(const QString& file, const QString& profile)
{
    return file == profile || file.startsWith(u"cfg/"_s);
}

// One file of a pair, the shipped one or the user's, read at most once in a start, and only when
// neither its size nor what was seen of it before tells what it holds.
class SideFile {
public:
    SideFile(const QString& path, const QString& within, std::optional<SeenFile> seen)
        : path_(path)
        , within_(within)
        , seen_(std::move(seen))
    {}

    const QString& path() const { return path_; }
    const std::optional<SeenFile>& seen() const { return seen_; }

    std::optional<ShippedRecord> content(QStringList& contentRead)
    {
        if (seen_ && seen_->stamp == stamp()) {
            return seen_->content();
        }
        if (!read(contentRead)) {
            return std::nullopt;
        }
        return read_.content;
    }

    // The size first: most files the user changed are told apart without reading them.
    bool holds(const ShippedRecord& record, QStringList& contentRead)
    {
        return stamp().size == record.size && content(contentRead) == record;
    }

    // Reads the whole file unless done already; fails with the reader's message.
    Result read(QStringList& contentRead)
    {
        if (read_.done) {
            return read_.result;
        }
        read_.done = true;
        const qint64 size = stamp().size;
        contentRead.append(path_);
        Outcome<QByteArray> whole = readWholeFile(path_, within_);
        read_.result = whole.result();
        if (!read_.result) {
            return read_.result;
        }
        read_.bytes = std::move(whole).value();
        read_.content = recordOf(read_.bytes);
        // A file that grew or shrank while it was read is read again next time.
        if (read_.content.size == size) {
            see(read_.content);
        }
        return read_.result;
    }

    const QByteArray& bytes() const { return read_.bytes; }
    const ShippedRecord& readContent() const { return read_.content; }

    void written(const ShippedRecord& content)
    {
        stamp_ = stampOf(path_);
        see(content);
    }

private:
    // Taken before any read: a file changed meanwhile shows another stamp next time.
    const FileStamp& stamp()
    {
        if (!stamp_) {
            stamp_ = stampOf(path_);
        }
        return *stamp_;
    }

    void see(const ShippedRecord& content)
    {
        if (stamp().known()) {
            seen_ = SeenFile{stamp(), content.sha256};
        }
    }

    struct Read {
        bool done = false;
        Result result;
        QByteArray bytes;
        ShippedRecord content;
    };

    QString path_;
    QString within_;
    std::optional<FileStamp> stamp_;
    std::optional<SeenFile> seen_;
    Read read_;
};

// Copies the shipped file over the user's; the shipped one is read unless it was already.
Result copyOver(SideFile& shipped, SideFile& copy, const QString& userDir, QStringList& contentRead)
{
    if (Result read = shipped.read(contentRead); !read) {
        return read;
    }
    if (Result written =
            writeFileAtomically(copy.path(), shipped.bytes(), {userDir, /*createFolder=*/true});
        !written) {
        return written;
    }
    copy.written(shipped.readContent());
    return Result::success();
}

// Replaces a present shipped file with the newer shipped one when it still holds what was
// copied there before; returns the record it keeps, none when it was never the shipped data's.
std::optional<ShippedRecord> refreshPresent(const QString& userDir, const QString& file,
                                            SideFile& shipped, SideFile& copy,
                                            std::optional<ShippedRecord> old, CopyUpdate& update)
{
    const std::optional<ShippedRecord> now = shipped.content(update.contentRead);
    if (!now) {
        update.warnings.append(u"Can't read the file: "_s + shipped.path());
        return old;
    }
    if (old == now) {
        return old;
    }
    if (old && copy.holds(*old, update.contentRead)) {
        if (const Result copied = copyOver(shipped, copy, userDir, update.contentRead); !copied) {
            update.warnings.append(copied.message);
            return old;
        }
        update.refreshed.append(file);
        return shipped.readContent();
    }
    // A copy made before records were kept, or a refresh cut off before its record was written.
    if (copy.holds(*now, update.contentRead)) {
        return now;
    }
    return old;
}

// Paths are joined as a folder's filePath() joins them, at a tenth of the cost.
QString prefixOf(const QDir& folder)
{
    const QString path = folder.path();
    return path.endsWith(u'/') ? path : path + u'/';
}

struct Places {
    Places(const QString& shipped, const QString& user)
        : shippedDir(shipped)
        , userDir(user)
        , shippedPrefix(prefixOf(QDir(shipped)))
        , userPrefix(prefixOf(QDir(user)))
        , profile(QDir(user).relativeFilePath(profilePath(user)))
        , inside(user)
    {}

    QString shippedDir;
    QString userDir;
    QString shippedPrefix;
    QString userPrefix;
    QString profile;
    InsideRoot inside;
    QHash<QString, bool> folderInside;
    QSet<QString> unchangedFolders; // of the copy, relative

    // Files come folder by folder, mostly: the last answer is kept.
    bool inUnchangedFolder(const QString& file)
    {
        const QStringView folder = QStringView(file).left(qMax(file.lastIndexOf(u'/'), 0));
        if (folder != lastFolder) {
            lastFolder = folder.toString();
            lastUnchanged = unchangedFolders.contains(lastFolder);
        }
        return lastUnchanged;
    }
    QString lastFolder;
    bool lastUnchanged = false;
};

// A folder of the copy that is inside it and no link is stamped before any of its files is
// looked at: a file added, taken away or replaced later changes the stamp.
std::optional<FileStamp> stampBeforeLooking(Places& places, const QString& path)
{
    if (!places.inside.check(path, {})) {
        return std::nullopt;
    }
    if (const QFileInfo folder(path); folder.isSymLink() || !folder.isDir()) {
        return std::nullopt;
    }
    const FileStamp stamp = stampOf(path);
    return stamp.known() ? std::optional(stamp) : std::nullopt;
}

// The shipped folders with the stamps of the user's folders of the same names, and which of
// those are as they were when the manifest was written. The top folder holds the manifest,
// which changes it whenever the manifest is written, so the way to a folder is trusted from
// the folders in the top down, one folder at a time: below a folder that is as it was, a
// folder is still the one that was stamped, and no link.
QMap<QString, SeenFolder> lookAtFolders(Places& places, const ShippedList& list,
                                        const QMap<QString, SeenFolder>& recorded)
{
    // Shared with the list while no stamp changes.
    QMap<QString, SeenFolder> folders = list.folders;
    places.unchangedFolders.reserve(list.folders.size());
    for (auto it = list.folders.cbegin(); it != list.folders.cend(); ++it) {
        const QString& folder = it.key();
        if (folder == u".") {
            continue;
        }
        const QString path = places.userPrefix + folder;
        const qsizetype slash = folder.lastIndexOf(u'/');
        const std::optional<FileStamp> before =
            list.asRecorded ? it->copy : recorded.value(folder).copy;
        if (before &&
            (slash < 0 ? !QFileInfo(path).isSymLink()
                       : places.unchangedFolders.contains(folder.left(slash))) &&
            stampOf(path) == *before) {
            places.unchangedFolders.insert(folder);
            if (it->copy != before) {
                folders[folder].copy = before;
            }
        } else if (const std::optional<FileStamp> now = stampBeforeLooking(places, path);
                   now != it->copy) {
            folders[folder].copy = now;
        }
    }
    return folders;
}

// Adds a shipped file the copy lacks or refreshes one it holds; returns what the manifest keeps
// of it. A failed addition is the update's result.
ShippedEntry bringUpToDate(Places& places, const QString& file, const ShippedEntry& old,
                           CopyUpdate& update)
{
    const bool usersOwn = isUsersOwn(file, places.profile);
    SideFile shipped(places.shippedPrefix + file, places.shippedDir, old.shipped);
    // In a folder whose files are as they were, a file that held what was copied still does
    // as far as a refresh is concerned, and the user's own are still there.
    if (places.inUnchangedFolder(file)) {
        if (usersOwn) {
            return {};
        }
        if (old.copied && shipped.content(update.contentRead) == old.copied) {
            return {old.copied, shipped.seen(), old.copy};
        }
    }
    const QString target = places.userPrefix + file;
    const QString folder = target.left(target.lastIndexOf(u'/'));
    auto known = places.folderInside.constFind(folder);
    if (known == places.folderInside.cend()) {
        known = places.folderInside.insert(folder, bool(places.inside.check(folder, {})));
    }
    // A folder of the copy that leads elsewhere is neither looked into nor written through,
    // nor is a link: a file of a folder inside is inside unless it is a link itself.
    const QFileInfo present(target);
    if (!*known || present.isSymLink()) {
        if (Result checked = places.inside.check(target, u"Can't create the file: "_s); !checked) {
            update.warnings.append(checked.message);
            return {};
        }
    }
    const bool missing = !present.exists() && !present.isSymLink();
    if (!missing && (usersOwn || present.isSymLink() || !present.isFile())) {
        return {};
    }
    SideFile copy(target, places.userDir, old.copy);
    if (missing) {
        update.result = copyOver(shipped, copy, places.userDir, update.contentRead);
        if (!update.result) {
            return {};
        }
        update.added.append(file);
        if (usersOwn) {
            return {};
        }
        return {shipped.readContent(), shipped.seen(), copy.seen()};
    }
    const std::optional<ShippedRecord> kept =
        refreshPresent(places.userDir, file, shipped, copy, old.copied, update);
    return {kept, shipped.seen(), copy.seen()};
}

} // namespace

Surroundings surroundingsOf(const QString& programDir)
{
    const QString shipped =
        QDir::cleanPath(QDir(programDir).filePath(QString::fromUtf8(MORVANE_DATA_FROM_PROGRAM)));
    return {QDir::currentPath(), holdsInstallation(shipped) ? shipped : QString(),
            qEnvironmentVariable("MORVANE_INSTALL_DIR"), qEnvironmentVariable("XDG_DATA_HOME"),
            QDir::homePath()};
}

CopyUpdate updateUserCopy(const QString& shippedDir, const QString& userDir)
{
    CopyUpdate update;
    update.created = !holdsInstallation(userDir);
    const QDir user(userDir);
    if (!QDir().mkpath(userDir)) {
        update.result = Result::failure(u"Can't create the folder: "_s + userDir);
        return update;
    }
    const ShippedManifest recorded = readShippedManifest(userDir);
    const ShippedList list = listShipped(shippedDir, recorded);
    Places places(shippedDir, userDir);
    // Shared with the record while no entry changes: a start that changes nothing copies nothing.
    ShippedManifest manifest{list.asRecorded ? recorded.files : QMap<QString, ShippedEntry>(),
                             lookAtFolders(places, list, recorded.folders)};
    // The files come in the record's order, but for the profile: most are found without a search.
    auto next = recorded.files.cbegin();
    for (const QString& file : list.files) {
        auto old = next != recorded.files.cend() && next.key() == file
                       ? next
                       : recorded.files.constFind(file);
        if (old != recorded.files.cend()) {
            next = std::next(old);
        }
        const ShippedEntry entry = bringUpToDate(
            places, file, old == recorded.files.cend() ? ShippedEntry() : *old, update);
        // The old manifest stays: the next start records what this one copied.
        if (!update.result) {
            return update;
        }
        if (!list.asRecorded || entry != *old) {
            manifest.files.insert(file, entry);
        }
    }
    // The preview writes its pages there.
    if (!user.mkpath(u"test"_s)) {
        update.result = Result::failure(u"Can't create the folder: "_s + user.filePath(u"test"_s));
    }
    if (manifest != recorded) {
        if (const Result written = writeShippedManifest(userDir, manifest); !written) {
            update.warnings.append(written.message);
        }
    }
    return update;
}

AppDirPlace locateAppDir(const Surroundings& where)
{
    const bool installed = !where.shippedDataDir.isEmpty();
    // The shipped data is read-only: started there, the program works in the user's copy.
    if (holdsInstallation(where.currentDir) &&
        !(installed && sameFolder(where.currentDir, where.shippedDataDir))) {
        return {where.currentDir, false, QString()};
    }
    if (!installed && where.installDirVariable.isEmpty()) {
        return {where.currentDir, false, QString()};
    }
    return {userCopyDir(where), true, where.shippedDataDir};
}

AppDirChoice prepareAppDir(const AppDirPlace& place)
{
    AppDirChoice choice;
    choice.appDir = place.appDir;
    choice.userCopy = place.userCopy;
    if (!place.userCopy) {
        return choice;
    }
    if (place.shippedDir.isEmpty()) {
        if (!holdsInstallation(choice.appDir)) {
            choice.result =
                Result::failure(u"Can't find the file: "_s + profilePath(choice.appDir));
        }
        return choice;
    }
    choice.update = updateUserCopy(place.shippedDir, choice.appDir);
    choice.result = choice.update.result;
    return choice;
}

AppDirChoice chooseAppDir(const Surroundings& where)
{
    return prepareAppDir(locateAppDir(where));
}

} // namespace morvane::settings
