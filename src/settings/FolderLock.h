#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace morvane::settings {

// The lock file's name in an installation folder. It is no file of the installation: neither
// listed, copied nor served with the others.
QString folderLockName();
QString folderLockPath(const QString& folder);
// The lock file, or the one a program makes for a moment while it takes over a stale lock.
bool isFolderLockFile(const QString& relativePath);

// One program per installation folder: two programs saving into one folder would mix their
// saves. The lock is a file in the folder, taken before anything of the folder is read or
// written and held for as long as the program works there. A lock left by a program that ended
// without releasing it (a crash, a kill, a power cut) is taken over.
class FolderLock final {
public:
    enum class State {
        Taken,       // this program holds the folder
        InUse,       // another program on this computer holds it
        Unavailable, // no lock can be made there (a missing or read-only folder); nobody holds it
    };

    explicit FolderLock(QString folder);
    ~FolderLock();
    Q_DISABLE_COPY_MOVE(FolderLock)

    State tryLock();
    bool isTaken() const;
    void release();
    const QString& folder() const { return m_folder; }

private:
    QString m_folder;
    std::unique_ptr<QLockFile> m_file;
};

// Whether another running program holds the folder's lock now. A cut save is finished only by
// the folder's holder: a program that reads a folder another one holds reads it as it is, and
// never applies a save the holder may be making at that very moment.
bool heldByAnotherProgram(const QString& folder);

// Why a program refuses to work in a folder that another one holds.
QString folderInUseMessage(const QString& folder);

} // namespace morvane::settings
