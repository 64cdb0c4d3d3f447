#include "settings/InsideFolder.h"

#include <QDir>
#include <QFileInfo>

namespace morvane::settings {
namespace {

using namespace Qt::StringLiterals;

// More links than this in a row go round in circles.
constexpr int kMaxLinks = 40;

constexpr Qt::CaseSensitivity kFileNameCase =
#ifdef Q_OS_WIN
    Qt::CaseInsensitive;
#else
    Qt::CaseSensitive;
#endif

bool startsFolder(const QString& folder, const QString& path)
{
    if (path.compare(folder, kFileNameCase) == 0) {
        return true;
    }
    const QString prefix = folder.endsWith(u'/') ? folder : folder + u'/';
    return path.startsWith(prefix, kFileNameCase);
}

// Where `path` really lies: its longest existing part resolved through every link, then the parts
// still to be created. A link that leads nowhere is followed to where it points, since creating the
// file or folder would create it there. Empty when the links go round in circles.
QString realLocation(const QString& path)
{
    QString current = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QString rest;
    int links = 0;
    for (;;) {
        const QFileInfo info(current);
        if (info.exists()) {
            const QString canonical = info.canonicalFilePath();
            if (canonical.isEmpty()) {
                return {};
            }
            return rest.isEmpty() ? canonical : QDir::cleanPath(canonical + u'/' + rest);
        }
        if (info.isSymLink()) {
            if (++links > kMaxLinks) {
                return {};
            }
            current = QDir::cleanPath(info.symLinkTarget());
            continue;
        }
        const QString parent = info.absolutePath();
        if (parent == current) {
            return rest.isEmpty() ? current : QDir::cleanPath(current + u'/' + rest);
        }
        rest = rest.isEmpty() ? info.fileName() : info.fileName() + u'/' + rest;
        current = parent;
    }
}

struct Root {
    QString asGiven;
    QString real;
};

Result verdict(const Root& root, const QString& path, const QString& real, const QString& failure)
{
    if (!root.real.isEmpty() && !real.isEmpty() && startsFolder(root.real, real)) {
        return Result::success();
    }
    return Result::failure(failure + path + u" (a link leads outside "_s + root.asGiven + u')');
}

} // namespace

bool isUnder(const QString& folder, const QString& path)
{
    return startsFolder(QDir::cleanPath(QFileInfo(folder).absoluteFilePath()),
                        QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
}

Result checkInside(const QString& root, const QString& path, const QString& failure)
{
    if (root.isEmpty()) {
        return Result::success();
    }
    return verdict({root, realLocation(root)}, path, realLocation(path), failure);
}

InsideRoot::InsideRoot(const QString& root)
    : m_root(root)
{
    if (root.isEmpty()) {
        return;
    }
    m_cleanRoot = QDir::cleanPath(QFileInfo(root).absoluteFilePath());
    m_realRoot = realLocation(root);
}

// A path that does not end in a link lies where its folder really lies.
QString InsideRoot::realOf(const QString& path)
{
    if (path == m_cleanRoot) {
        return m_realRoot;
    }
    if (const auto known = m_realPaths.constFind(path); known != m_realPaths.cend()) {
        return *known;
    }
    const qsizetype slash = path.lastIndexOf(u'/');
    if (slash <= 0 || !startsFolder(m_cleanRoot, path) || QFileInfo(path).isSymLink()) {
        return realLocation(path);
    }
    const QString folder = realOf(path.left(slash));
    const QString real = folder.isEmpty() ? QString() : folder + path.mid(slash);
    m_realPaths.insert(path, real);
    return real;
}

Result InsideRoot::check(const QString& path, const QString& failure)
{
    if (m_root.isEmpty()) {
        return Result::success();
    }
    const QString real = realOf(
        QDir::cleanPath(QDir::isAbsolutePath(path) ? path : QFileInfo(path).absoluteFilePath()));
    return verdict({m_root, m_realRoot}, path, real, failure);
}

} // namespace morvane::settings
