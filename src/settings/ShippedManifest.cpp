#include "settings/ShippedManifest.h"

#include "settings/AtomicFile.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace morvane::settings {
namespace {

using namespace Qt::StringLiterals;

constexpr qsizetype kHexDigits = 64;

// Older records have no such line, and older programs pass over it as malformed.
constexpr QStringView kStampedHeader = u"#shipped 2";
constexpr QStringView kNone = u"-";
constexpr QStringView kAsCopied = u"=";
constexpr QStringView kFolder = u"folder";

bool isHexDigest(QStringView text)
{
    if (text.size() != kHexDigits) {
        return false;
    }
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (!((u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'f'))) {
            return false;
        }
    }
    return true;
}

// Plain decimal digits only, which is all the manifest writes; a start reads some eight hundred.
std::optional<qint64> number(QStringView text)
{
    constexpr qsizetype kMaxDigits = 18; // stays below the largest qint64
    if (text.isEmpty() || text.size() > kMaxDigits) {
        return std::nullopt;
    }
    qint64 value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

qint64 msecsOf(const QDateTime& time)
{
    return time.isValid() ? time.toMSecsSinceEpoch() : -1;
}

// A file changed again within the tick of the file system's clock in which it was read keeps its
// stamp; a tick that was over before the record was written is safe. A file system that keeps
// whole seconds has second-long ticks, and gives whole seconds to the record too.
bool settledBefore(const FileStamp& stamp, qint64 written)
{
    return stamp.known() && stamp.modified < written && stamp.changed < written;
}

// One line a file of an older record: digest, size and path, separated by single blanks; the
// path is the rest of the line, blanks included.
std::optional<std::pair<QString, ShippedRecord>> parseUnstamped(QStringView line)
{
    const qsizetype sizeStart = kHexDigits + 1;
    const qsizetype pathStart = line.indexOf(u' ', sizeStart) + 1;
    if (pathStart <= sizeStart || pathStart == line.size() || line.at(kHexDigits) != u' ' ||
        !isHexDigest(line.left(kHexDigits))) {
        return std::nullopt;
    }
    const std::optional<qint64> size = number(line.mid(sizeStart, pathStart - 1 - sizeStart));
    if (!size) {
        return std::nullopt;
    }
    return std::pair{line.mid(pathStart).toString(),
                     ShippedRecord{line.left(kHexDigits).toLatin1(), *size}};
}

// The text before the next `separator`, taken off the front of `rest`; none when there is none.
// Fields are short: a plain loop beats a search.
std::optional<QStringView> takeField(QStringView& rest, char16_t separator)
{
    const qsizetype size = rest.size();
    for (qsizetype i = 0; i < size; ++i) {
        if (rest[i].unicode() == separator) {
            const QStringView field = rest.first(i);
            rest = rest.sliced(i + 1);
            return field;
        }
    }
    return std::nullopt;
}

// Calls `take` with each line, without copying any. The manifest is written with CR LF after
// every line: a line ends at a LF, and a CR before it is dropped.
template <typename Take> void forEachLine(QStringView text, Take&& take)
{
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0) {
            end = text.size();
        }
        QStringView line = text.sliced(start, end - start);
        if (line.endsWith(u'\r')) {
            line.chop(1);
        }
        take(line);
        start = end + 1;
    }
}

// Size, modification and status-change time, separated by colons.
std::optional<FileStamp> parseStamp(QStringView text)
{
    const std::optional<QStringView> size = takeField(text, u':');
    const std::optional<QStringView> modified = takeField(text, u':');
    if (!size || !modified) {
        return std::nullopt;
    }
    const FileStamp stamp{number(*size).value_or(-1), number(*modified).value_or(-1),
                          number(text).value_or(-1)};
    return stamp.known() ? std::optional(stamp) : std::nullopt;
}

QString textOf(const FileStamp& stamp)
{
    return QString::number(stamp.size) + u':' + QString::number(stamp.modified) + u':' +
           QString::number(stamp.changed);
}

// A field that may rightly say "nothing": not `ok` when it is malformed.
template <typename T> struct Field {
    bool ok = false;
    std::optional<T> value;
};

// Digest and size of what was copied, or "- -" when nothing was.
Field<ShippedRecord> parseCopied(QStringView digest, QStringView size)
{
    if (digest == kNone && size == kNone) {
        return {true, std::nullopt};
    }
    const std::optional<qint64> bytes = number(size);
    if (!isHexDigest(digest) || !bytes) {
        return {};
    }
    return {true, ShippedRecord{digest.toLatin1(), *bytes}};
}

// "-" when not seen; otherwise the digest (or "=" for the copied one), a colon and the stamp.
Field<SeenFile> parseSeen(QStringView text, const std::optional<ShippedRecord>& copied)
{
    if (text == kNone) {
        return {true, std::nullopt};
    }
    const std::optional<QStringView> digest = takeField(text, u':');
    const std::optional<FileStamp> stamp = parseStamp(text);
    if (!digest || !stamp) {
        return {};
    }
    if (*digest == kAsCopied) {
        if (!copied || copied->size != stamp->size) {
            return {};
        }
        return {true, SeenFile{*stamp, copied->sha256}};
    }
    if (!isHexDigest(*digest)) {
        return {};
    }
    return {true, SeenFile{*stamp, digest->toLatin1()}};
}

QString textOf(const std::optional<SeenFile>& seen, const std::optional<ShippedRecord>& copied)
{
    if (!seen || !seen->stamp.known()) {
        return kNone.toString();
    }
    const QString digest = copied && seen->content() == *copied ? kAsCopied.toString()
                                                                : QString::fromLatin1(seen->sha256);
    return digest + u':' + textOf(seen->stamp);
}

// Adds one line of a record with times to `manifest`; false when it is malformed.
//   folder SHIPPED COPY PATH       a shipped folder and the user's, as they were when looked at
//   COPIED SIZE SHIPPED COPY PATH  a shipped file: what was copied, what was seen of either file
// The path is the rest of the line, blanks included.
bool parseStamped(QStringView line, qint64 written, ShippedManifest& manifest)
{
    QStringView rest = line;
    // Most lines begin with a digest, whose end needs no search.
    std::optional<QStringView> first;
    if (rest.size() > kHexDigits && rest[kHexDigits] == u' ') {
        first = rest.first(kHexDigits);
        rest = rest.sliced(kHexDigits + 1);
    } else {
        first = takeField(rest, u' ');
    }
    if (first == kFolder) {
        const std::optional<QStringView> shippedText = takeField(rest, u' ');
        const std::optional<QStringView> copyText = takeField(rest, u' ');
        const std::optional<FileStamp> shipped =
            shippedText ? parseStamp(*shippedText) : std::nullopt;
        std::optional<FileStamp> copy = copyText ? parseStamp(*copyText) : std::nullopt;
        if (!shipped || !copyText || (!copy && *copyText != kNone) || rest.isEmpty() ||
            !settledBefore(*shipped, written)) {
            return false;
        }
        if (copy && !settledBefore(*copy, written)) {
            copy.reset();
        }
        manifest.folders.insert(manifest.folders.cend(), rest.toString(), {*shipped, copy});
        return true;
    }
    const std::optional<QStringView> size = takeField(rest, u' ');
    const std::optional<QStringView> shippedText = takeField(rest, u' ');
    const std::optional<QStringView> copyText = takeField(rest, u' ');
    if (!first || !size || !shippedText || !copyText || rest.isEmpty()) {
        return false;
    }
    const Field<ShippedRecord> copied = parseCopied(*first, *size);
    const Field<SeenFile> shipped = parseSeen(*shippedText, copied.value);
    const Field<SeenFile> copy = parseSeen(*copyText, copied.value);
    if (!copied.ok || !shipped.ok || !copy.ok) {
        return false;
    }
    ShippedEntry entry{copied.value, shipped.value, copy.value};
    for (std::optional<SeenFile>* seen : {&entry.shipped, &entry.copy}) {
        if (*seen && !settledBefore((*seen)->stamp, written)) {
            seen->reset();
        }
    }
    manifest.files.insert(manifest.files.cend(), rest.toString(), entry);
    return true;
}

} // namespace

FileStamp stampOf(const QString& path)
{
    // A file gives its times in UTC, where QFileInfo gives local times, which cost a look at the
    // time zone each: ten times the whole stamp.
    const QFile file(path);
    return {file.size(), msecsOf(file.fileTime(QFileDevice::FileModificationTime)),
            msecsOf(file.fileTime(QFileDevice::FileMetadataChangeTime))};
}

QString shippedManifestPath(const QString& userDir)
{
    return QDir(userDir).filePath(u".shipped"_s);
}

ShippedManifest readShippedManifest(const QString& userDir)
{
    ShippedManifest manifest;
    const QString path = shippedManifestPath(userDir);
    // Taken first: a manifest replaced meanwhile is only trusted less. The time of a link is
    // not looked up, and none of what the manifest says was seen is trusted.
    const qint64 written = QFileInfo(path).isSymLink() ? -1 : stampOf(path).modified;
    const Outcome<QString> read = readTextFile(path, userDir);
    if (!read) {
        return manifest;
    }
    std::optional<bool> stamped; // by the first line
    bool whole = true;
    forEachLine(read.value(), [&](QStringView line) {
        if (!stamped) {
            stamped = line == kStampedHeader;
            if (*stamped) {
                return;
            }
        }
        if (*stamped) {
            whole = parseStamped(line, written, manifest) && whole;
        } else if (auto parsed = parseUnstamped(line)) {
            manifest.files.insert(parsed->first, {parsed->second, std::nullopt, std::nullopt});
        }
    });
    // A file left out of the list would be taken as no longer shipped.
    if (!whole || !stamped.value_or(false)) {
        manifest.folders.clear();
    }
    return manifest;
}

Result writeShippedManifest(const QString& userDir, const ShippedManifest& manifest)
{
    QStringList lines;
    lines.reserve(1 + manifest.folders.size() + manifest.files.size());
    lines.append(kStampedHeader.toString());
    for (auto it = manifest.folders.cbegin(); it != manifest.folders.cend(); ++it) {
        const QString copy = it->copy && it->copy->known() ? textOf(*it->copy) : kNone.toString();
        lines.append(kFolder.toString() + u' ' + textOf(it->shipped) + u' ' + copy + u' ' +
                     it.key());
    }
    for (auto it = manifest.files.cbegin(); it != manifest.files.cend(); ++it) {
        const std::optional<ShippedRecord>& copied = it->copied;
        const QString copiedText =
            copied ? QString::fromLatin1(copied->sha256) + u' ' + QString::number(copied->size)
                   : u"- -"_s;
        lines.append(copiedText + u' ' + textOf(it->shipped, copied) + u' ' +
                     textOf(it->copy, copied) + u' ' + it.key());
    }
    return writeTextLines(shippedManifestPath(userDir), lines, {userDir});
}

ShippedRecord recordOf(const QByteArray& bytes)
{
    return {QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex(), bytes.size()};
}

} // namespace morvane::settings
