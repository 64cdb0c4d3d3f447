#include "settings/Presets.h"

#include "base/FolderWalk.h"
#include "base/PlacedFiles.h"
#include "settings/AtomicFile.h"

#include <QDir>
#include <QFile>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace morvane::settings {
namespace {

const QString kExtension = u".ini"_s;
const QString kForbidden = u"/\\:*?\"<>|"_s;
constexpr qsizetype kMaxNameLength = 64;

// The preset's own name, never what a link there leads to: deleting or renaming a link acts on
// the link.
Outcome<Place> placeOf(const QString& appDir, const QString& kind, const QString& fileName)
{
    const Outcome<FolderWalk> walk = FolderWalk::open(appDir);
    if (!walk) {
        return walk.result();
    }
    QByteArrayList names{QByteArrayLiteral("presets"), QFile::encodeName(kind)};
    if (!fileName.isEmpty()) {
        names.append(QFile::encodeName(fileName));
    }
    Outcome<Place> place =
        walk->resolve(names, fileName.isEmpty() ? FolderWalk::Leaf::Follow : FolderWalk::Leaf::Keep,
                      FolderWalk::Folders::Existing);
    if (!place) {
        return Result::failure(u"Can't read the presets of "_s + kind + u" ("_s + place.message() +
                               u')');
    }
    return place;
}

Result checkName(const QString& name)
{
    const QString problem = presetNameProblem(name);
    return problem.isEmpty() ? Result::success() : Result::failure(problem);
}

Outcome<bool> presetExists(const QString& appDir, const QString& kind, const QString& name)
{
    const Outcome<Place> place = placeOf(appDir, kind, name + kExtension);
    if (!place) {
        return place.result();
    }
    return place->exists;
}

Result alreadyExists(const QString& name)
{
    return Result::failure(u"A preset named \""_s + name + u"\" already exists."_s);
}

} // namespace

QString presetsFolder(const QString& appDir, const QString& kind)
{
    return QDir(appDir).filePath(u"presets/"_s + kind);
}

QString presetPath(const QString& appDir, const QString& kind, const QString& name)
{
    return QDir(presetsFolder(appDir, kind)).filePath(name + kExtension);
}

QString presetNameProblem(const QString& name)
{
    const QString rules =
        u" A preset name has 1 to %1 characters, none of / \\ : * ? \" < > |, "
        "and neither starts nor ends with a blank or a dot."_s.arg(kMaxNameLength);
    const bool badCharacter = std::any_of(name.begin(), name.end(), [&](QChar c) {
        return c.unicode() < 0x20 || c.unicode() == 0x7F || kForbidden.contains(c);
    });
    const bool badEnds = !name.isEmpty() && (name.front().isSpace() || name.back().isSpace() ||
                                             name.front() == u'.' || name.back() == u'.');
    if (name.isEmpty() || name.size() > kMaxNameLength || badCharacter || badEnds) {
        return u"Invalid preset name: \""_s + name + u"\"."_s + rules;
    }
    return {};
}

Outcome<QStringList> listPresets(const QString& appDir, const QString& kind)
{
    const Outcome<Place> folder = placeOf(appDir, kind, QString());
    if (!folder) {
        return folder.result();
    }
    if (!folder->exists) {
        return QStringList();
    }
    const Outcome<Place> inside = enterFolder(*folder);
    const Outcome<QByteArrayList> names = inside ? namesIn(*inside) : inside.result();
    if (!names) {
        return Result::failure(u"Can't read the presets of "_s + kind + u" ("_s + names.message() +
                               u')');
    }
    QStringList presets;
    for (const QByteArray& encoded : *names) {
        const QString fileName = QFile::decodeName(encoded);
        const QString name = fileName.chopped(std::min(fileName.size(), kExtension.size()));
        if (fileName.endsWith(kExtension) && presetNameProblem(name).isEmpty() &&
            lookAt(inside->folder, encoded).isRegularFile()) {
            presets.append(name);
        }
    }
    std::sort(presets.begin(), presets.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return presets;
}

Result savePreset(const QString& appDir, const QString& kind, const QString& name,
                  const WorkingCopy& copy, Existing existing)
{
    if (Result valid = checkName(name); !valid) {
        return valid;
    }
    if (existing == Existing::Keep) {
        const Outcome<bool> exists = presetExists(appDir, kind, name);
        if (!exists) {
            return exists.result();
        }
        if (*exists) {
            return alreadyExists(name);
        }
    }
    const Outcome<QString> text = kindFileTextFor(appDir, kind, copy);
    if (!text) {
        return text.result();
    }
    return writeText(presetPath(appDir, kind, name), *text, {appDir, /*createFolder=*/true});
}

Outcome<QString> loadPreset(const QString& appDir, const QString& kind, const QString& name,
                            WorkingCopy& copy, const ValueCheck& check)
{
    if (Result valid = checkName(name); !valid) {
        return valid;
    }
    const QString path = presetPath(appDir, kind, name);
    if (Result applied = importKindFile(path, appDir, kind, copy, check); !applied) {
        return applied;
    }
    return path;
}

Result renamePreset(const QString& appDir, const QString& kind, const QString& from,
                    const QString& to)
{
    for (const QString& name : {from, to}) {
        if (Result valid = checkName(name); !valid) {
            return valid;
        }
    }
    if (from == to) {
        return Result::success();
    }
    const Outcome<Place> source = placeOf(appDir, kind, from + kExtension);
    if (!source) {
        return source.result();
    }
    const Outcome<Place> target = placeOf(appDir, kind, to + kExtension);
    if (!target) {
        return target.result();
    }
    // On a system that ignores case, a new case of the same name finds the preset itself.
    const bool sameFile = target->exists && source->exists && target->device == source->device &&
                          target->inode == source->inode;
    if (target->exists && !sameFile) {
        return alreadyExists(to);
    }
    const Outcome<QByteArray> bytes = readWholeFile(presetPath(appDir, kind, from), appDir);
    if (!bytes) {
        return bytes.result();
    }
    // The new name first: a crash in between leaves both, never neither.
    if (Result written = writeFileAtomically(presetPath(appDir, kind, to), *bytes, {appDir});
        !written) {
        return written;
    }
    return sameFile ? Result::success() : deletePreset(appDir, kind, from);
}

Result deletePreset(const QString& appDir, const QString& kind, const QString& name)
{
    if (Result valid = checkName(name); !valid) {
        return valid;
    }
    const Outcome<Place> place = placeOf(appDir, kind, name + kExtension);
    if (!place) {
        return place.result();
    }
    if (!place->exists) {
        return Result::failure(u"There is no preset named \""_s + name + u"\"."_s);
    }
    if (Result removed = removePlace(*place); !removed) {
        return Result::failure(u"Can't delete the file: "_s + presetPath(appDir, kind, name) +
                               u" ("_s + removed.message + u')');
    }
    return Result::success();
}

} // namespace morvane::settings
