#pragma once

#include "base/Outcome.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

#include <utility>

namespace morvane {

// An open file descriptor, closed with its owner.
class Descriptor final {
public:
    Descriptor() = default;
    explicit Descriptor(int descriptor)
        : m_descriptor(descriptor)
    {}
    Descriptor(Descriptor&& other) noexcept;
    Descriptor& operator=(Descriptor&& other) noexcept;
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor();

    int get() const { return m_descriptor; }
    bool isOpen() const { return m_descriptor >= 0; }
    // Another descriptor of the same open file.
    Descriptor duplicate() const;
    // The descriptor, no longer closed by this owner.
    int release() { return std::exchange(m_descriptor, -1); }

private:
    int m_descriptor = -1;
};

// Where a walk ended: the folder that holds the place, open, and the place's name in it.
struct Place {
    // Not open when a folder on the way does not exist (and was not to be created).
    Descriptor folder;
    // Empty when the place is a folder reached by its own name ("." or the root itself).
    QByteArray name;
    bool exists = false;
    // The file type and permission bits of what is there (st_mode), when it exists.
    unsigned mode = 0;
    // Which file it is, when it exists: two names of one file have the same.
    quint64 device = 0;
    quint64 inode = 0;

    bool isRegularFile() const;
    bool isFolder() const;
    bool isLink() const;
};

// Paths resolved as the system resolves them, but never beyond a folder: from a descriptor of
// the folder, one name at a time, each opened without following a link. A link is followed by
// walking its target the same way, so that a link that stays inside works, one that leads out
// fails, and ".." after a link means the folder above the link's target, as it does for the
// system. Checking a place and using it are then one act: no link swapped in between is
// followed out.
class FolderWalk final {
public:
    // A link at the end of the walk.
    enum class Leaf { Follow, Keep };
    // Folders on the way that do not exist.
    enum class Folders { Existing, Create };

    // Walks start from `root`; the links on the way to the root itself were chosen with it and
    // are followed. An empty `root` bounds nothing: walks start from the file system's root.
    static Outcome<FolderWalk> open(const QString& root);

    // Where `names` (relative to the root, as written: "." and ".." and links included) lead.
    // Fails with the reason alone ("a link leads outside ROOT", the system's error).
    Outcome<Place> resolve(QByteArrayList names, Leaf leaf, Folders folders) const;

    // Whether a failed resolve() failed because a link leads outside the root.
    bool leadsOutside(const Result& failed) const;

    bool bounded() const { return m_bounded; }
    const QString& root() const { return m_root; }

private:
    FolderWalk() = default;
    Result outside() const;

    Descriptor m_descriptor;
    QByteArray m_realPath;
    QString m_root;
    bool m_bounded = false;
};

// A path split for a walk: the walk bounded by `root` when the path names a place under it
// (taken as written, links not followed), otherwise unbounded (a path the user chose), and the
// names from there.
struct WalkPlan {
    QString root;
    QByteArrayList names;
};
WalkPlan planWalk(const QString& root, const QString& path);

// The system's text for an error number.
QString systemError(int error);

} // namespace morvane
