#pragma once

#include "base/FolderWalk.h"

#include <QByteArray>

namespace morvane {

// What is done with a place a walk found, relative to its folder's descriptor and never through
// a link: a link swapped in after the walk makes the act fail instead of following it.

// The regular file at `place`, open for reading. A pipe or a device fails unopened, and so does
// a file that is no longer the one the walk found.
Outcome<Descriptor> openRegularFile(const Place& place);

// Up to `limit` bytes of an open file, from where it stands.
Outcome<QByteArray> readUpTo(const Descriptor& file, qint64 limit);

// Which file a descriptor reads: equal to a Place's device and inode when it is that file.
struct FileId {
    quint64 device = 0;
    quint64 inode = 0;
    friend bool operator==(const FileId&, const FileId&) = default;
};
FileId fileIdOf(const Descriptor& file);
FileId fileIdOf(const Place& place);

// A new content for the file at a place: written to a staging file beside it ("NAME.saving-" and
// six letters or digits) and put in its place whole by commit(). Going without a commit removes
// the staging file and leaves the old file as it was. The new file keeps an old file's
// permissions.
class StagedFile final {
public:
    static Outcome<StagedFile> create(const Place& place);
    StagedFile(StagedFile&& other) noexcept;
    StagedFile& operator=(StagedFile&&) = delete;
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;
    ~StagedFile();

    Result write(const QByteArray& bytes);
    // On disk, then in place; the reason alone when it fails.
    Result commit();

private:
    StagedFile() = default;
    void drop();

    Descriptor m_folder;
    Descriptor m_file;
    QByteArray m_name;
    QByteArray m_stagingName;
};

// Whether `name` is one of the staging files StagedFile leaves when the program is killed.
bool isStagingName(const QString& name);

// What `name` is in the open folder `folder`, looked at without following a link.
Place lookAt(const Descriptor& folder, const QByteArray& name);

// The folder at `place`, itself open (its Place has no name).
Outcome<Place> enterFolder(const Place& place);

// The names in the folder opened by enterFolder(), "." and ".." left out.
Outcome<QByteArrayList> namesIn(const Place& folder);

// Makes the folder that `place` names.
Result makeFolder(const Place& place);

// Removes the name at `place` (a file or a link, never what a link leads to).
Result removePlace(const Place& place);

} // namespace morvane
