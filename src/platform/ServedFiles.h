#pragma once

#include <QByteArray>
#include <QString>

namespace morvane::platform {

// An open file descriptor, closed with its owner.
class FileHandle final {
public:
    FileHandle() = default;
    explicit FileHandle(int descriptor)
        : m_descriptor(descriptor)
    {}
    FileHandle(FileHandle&& other) noexcept;
    FileHandle& operator=(FileHandle&& other) noexcept;
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle();

    int get() const { return m_descriptor; }
    bool isOpen() const { return m_descriptor >= 0; }

private:
    int m_descriptor = -1;
};

struct ServedFile {
    enum class Verdict { Serve, Forbidden, NotFound };
    Verdict verdict = Verdict::NotFound;
    QString filePath; // where the opened file is, when served
    FileHandle file;  // open for reading, when served
    qint64 size = 0;
};

// Opens the file inside root that a request's percent-encoded path names ("/test12.htm",
// "/data/a%20b.txt"). Dot and empty segments, encoded slashes, backslashes and NUL are forbidden.
// Symbolic links are followed, but what is checked is the file that was opened, never the path:
// one outside the root is forbidden, whatever link led there or was swapped in while it was
// opened, and anything but a regular file (a folder, a pipe, a device) is not found.
ServedFile openServedFile(const QString& root, const QByteArray& encodedPath);

// The Content-Type of a served file, from its extension; application/octet-stream when unknown.
QByteArray contentTypeOf(const QString& fileName);

} // namespace morvane::platform
