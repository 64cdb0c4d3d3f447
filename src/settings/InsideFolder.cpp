#include "settings/InsideFolder.h"

#include <QDir>
#include <QFileInfo>

namespace morvane::settings {
namespace {

using namespace Qt::StringLiterals;

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

Result outsideFailure(const QString& root, const QString& path, const QString& failure)
{
    return Result::failure(failure + path + u" (a link leads outside "_s + root + u')');
}

// Only a way out fails here: a missing or unreadable place is for its reader or writer to tell.
Result verdict(const FolderWalk& walk, const QString& path, const QString& failure)
{
    const WalkPlan plan = planWalk(walk.root(), path);
    if (plan.root.isEmpty()) {
        return outsideFailure(walk.root(), path, failure);
    }
    const Outcome<Place> place =
        walk.resolve(plan.names, FolderWalk::Leaf::Follow, FolderWalk::Folders::Existing);
    if (!place && walk.leadsOutside(place.result())) {
        return outsideFailure(walk.root(), path, failure);
    }
    return Result::success();
}

} // namespace

bool isUnder(const QString& folder, const QString& path)
{
    return startsFolder(QDir::cleanPath(QFileInfo(folder).absoluteFilePath()),
                        QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
}

Result checkInside(const QString& root, const QString& path, const QString& failure)
{
    return InsideRoot(root).check(path, failure);
}

InsideRoot::InsideRoot(const QString& root)
    : m_root(root)
{}

Result InsideRoot::check(const QString& path, const QString& failure)
{
    if (m_root.isEmpty()) {
        return Result::success();
    }
    if (!m_walk) {
        Outcome<FolderWalk> walk = FolderWalk::open(m_root);
        if (!walk) {
            // Nothing can lead out of a folder not made yet.
            const QFileInfo root(m_root);
            return root.exists() || root.isSymLink() ? outsideFailure(m_root, path, failure)
                                                     : Result::success();
        }
        m_walk.emplace(std::move(walk).value());
    }
    return verdict(*m_walk, path, failure);
}

} // namespace morvane::settings
