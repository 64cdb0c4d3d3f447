#include "generator/Publish.h"

#include "base/FolderWalk.h"
#include "base/PlacedFiles.h"
#include "catalog/SamplePaths.h"
#include "generator/FileProbe.h"
#include "generator/Generator.h"
#include "generator/Html.h"
#include "generator/NeededFiles.h"
#include "generator/Preview.h"
#include "settings/AtomicFile.h"
#include "settings/InsideFolder.h"
#include "settings/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <functional>
#include <vector>

using namespace Qt::StringLiterals;

namespace morvane::generator {
namespace {

constexpr qint64 kBlockSize = 64 * 1024;

// One file of the published folder: the page's bytes, or a file copied from `source`.
struct Needed {
    QString name;
    QString source; // empty for the page
    QByteArray bytes;
};

enum class Found { Missing, Same, Differs };

Result folderFailure(const QString& folder, const QString& reason)
{
    return Result::failure(u"Can't publish into the folder: "_s + folder + u" ("_s + reason + u')');
}

// The place a path leads to, as the system resolves it, whether or not its last folders exist
// yet: what is there is resolved, what is not is added as written.
QString realPathOf(const QString& path)
{
    QString existing = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QStringList missing;
    while (!QFileInfo::exists(existing) && existing != QDir::rootPath()) {
        missing.prepend(QFileInfo(existing).fileName());
        existing = QFileInfo(existing).path();
    }
    QString real = QFileInfo(existing).canonicalFilePath();
    for (const QString& name : missing) {
        real = QDir(real).filePath(name);
    }
    return QDir::cleanPath(real);
}

// A page published into a folder the program serves would be served as the installation's own,
// and its files would mix with what a preview clears.
Result checkNotServed(const QString& real, const QString& folder, const QString& appDir)
{
    const QStringList served{testFolder(appDir), catalog::samplesFolder(appDir),
                             QDir(appDir).filePath(u"runtime"_s), QDir(appDir).filePath(u"help"_s)};
    for (const QString& servedFolder : served) {
        if (settings::isUnder(realPathOf(servedFolder), real)) {
            return folderFailure(folder, u"it lies in the folder "_s +
                                             QFileInfo(servedFolder).fileName() +
                                             u" that Morvane serves"_s);
        }
    }
    return Result::success();
}

// The folder to publish into, as the system resolves it, made when missing.
Outcome<QString> publishingFolder(const QString& folder, const QString& appDir)
{
    const QString path = resolvePath(folder, appDir);
    if (settings::isUnder(appDir, path)) {
        const Result inside = settings::checkInside(appDir, path, QString());
        if (!inside) {
            return folderFailure(folder, u"a link leads outside "_s + appDir);
        }
    }
    const QString real = realPathOf(path);
    if (Result served = checkNotServed(real, folder, appDir); !served) {
        return served;
    }
    const QFileInfo info(real);
    if (info.exists() && !info.isDir()) {
        return folderFailure(folder, u"not a folder"_s);
    }
    if (!QDir().mkpath(real)) {
        return folderFailure(folder, u"it cannot be made"_s);
    }
    return real;
}

QString sourceKey(const QString& source)
{
    return QDir::cleanPath(QFileInfo(source).absoluteFilePath());
}

// The page first, then the needed files in the HTML window's order, each name once.
Outcome<std::vector<Needed>> neededFiles(const GenerationInput& input, const Generation& code)
{
    const QString pageName = publishedPageName(input.kind);
    std::vector<Needed> files{
        {pageName, QString(),
         settings::encodeText(settings::joinLines(publishedPage(input.kind, code.lines)))}};
    const QStringList names = neededFileNames(input.appDir, input.kind, code.media);
    QStringList sources = catalog::classFiles(input.appDir, input.kind);
    sources.append(code.media);
    Q_ASSERT(names.size() == sources.size());
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString source = resolvePath(sources.at(i), input.appDir);
        const auto same = std::find_if(files.begin(), files.end(), [&](const Needed& file) {
            return file.name.compare(names.at(i), Qt::CaseInsensitive) == 0;
        });
        if (same == files.end()) {
            files.push_back({names.at(i), source, {}});
        } else if (same->source.isEmpty() || sourceKey(same->source) != sourceKey(source)) {
            // Case apart too: the folder may end up on a server that does not tell them apart.
            return Outcome<std::vector<Needed>>::failure(
                u"Two files the page needs have the name "_s + names.at(i) + u": "_s +
                (same->source.isEmpty() ? same->name : same->source) + u" and "_s + source);
        }
    }
    return files;
}

// A source of the installation must really lie there: the folder is data that users share.
Outcome<Descriptor> openSource(const QString& source, const QString& appDir)
{
    Outcome<Descriptor> file =
        settings::openForReading(source, settings::isUnder(appDir, source) ? appDir : QString());
    if (file && !file->isOpen()) {
        return Result::failure(settings::openFailure(source, systemError(ENOENT)));
    }
    return file;
}

// Reads the needed file's content a block at a time and hands each to `take`, which may stop.
Result readBlocks(const Needed& file, const QString& appDir,
                  const std::function<bool(const QByteArray&)>& take)
{
    if (file.source.isEmpty()) {
        take(file.bytes);
        return Result::success();
    }
    const Outcome<Descriptor> in = openSource(file.source, appDir);
    if (!in) {
        return in.result();
    }
    for (;;) {
        const Outcome<QByteArray> block = readUpTo(*in, kBlockSize);
        if (!block) {
            return Result::failure(settings::openFailure(file.source, block.message()));
        }
        if (block->isEmpty() || !take(*block)) {
            return Result::success();
        }
    }
}

Outcome<Found> compare(const FolderWalk& walk, const Needed& file, const QString& appDir)
{
    const QString target = QDir(walk.root()).filePath(file.name);
    const Outcome<Place> place =
        walk.resolve(QFile::encodeName(file.name).split('/'), FolderWalk::Leaf::Keep,
                     FolderWalk::Folders::Existing);
    if (!place) {
        return Result::failure(settings::createFailure(target, place.message()));
    }
    if (!place->exists) {
        return Found::Missing;
    }
    // Writing through a link would change a file the page does not name.
    if (place->isLink()) {
        return Result::failure(settings::createFailure(target, u"a link"_s));
    }
    if (!place->isRegularFile()) {
        return Result::failure(settings::createFailure(target, u"not a regular file"_s));
    }
    const Outcome<Descriptor> there = openRegularFile(*place);
    if (!there) {
        return Result::failure(settings::openFailure(target, there.message()));
    }
    bool same = true;
    QString failure;
    const Result read = readBlocks(file, appDir, [&](const QByteArray& block) {
        const Outcome<QByteArray> theirs = readUpTo(*there, block.size());
        same = theirs && *theirs == block;
        return same;
    });
    if (!read) {
        return read;
    }
    // Longer than the new content is different too.
    if (same && !readUpTo(*there, 1).valueOr(QByteArray("?")).isEmpty()) {
        same = false;
    }
    return same ? Found::Same : Found::Differs;
}

Outcome<StagedFile> stage(const Needed& file, const QString& folder, const QString& appDir)
{
    const QString target = QDir(folder).filePath(file.name);
    Outcome<StagedFile> staged = settings::stageFile(target, {folder, /*createFolder=*/true});
    if (!staged) {
        return staged;
    }
    Result written;
    const Result read = readBlocks(file, appDir, [&](const QByteArray& block) {
        written = staged->write(block);
        return written.ok;
    });
    if (!read) {
        return read;
    }
    if (!written) {
        return Result::failure(settings::createFailure(target, written.message));
    }
    return staged;
}

} // namespace

QString publishedPageName(const QString& kind)
{
    return kind.toLower() + u".html"_s;
}

QStringList publishedPage(const QString& kind, const QStringList& codeLines)
{
    QStringList page{
        u"<!DOCTYPE html>"_s,
        u"<html lang=\"en\">"_s,
        u"<head>"_s,
        u"<meta charset=\"utf-8\">"_s,
        u"<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"_s,
        u"<title>"_s + kind + u"</title>"_s,
        u"</head>"_s,
        u"<body>"_s,
    };
    page.append(codeLines);
    page.append({u"</body>"_s, u"</html>"_s});
    return page;
}

Outcome<PublishReport> publish(const PublishRequest& request)
{
    GenerationInput input = request.input;
    input.runtime = true;
    const Outcome<Generation> code = generateClosed(input);
    if (!code) {
        return code.result();
    }
    const Outcome<std::vector<Needed>> files = neededFiles(input, *code);
    if (!files) {
        return files.result();
    }
    const Outcome<QString> folder = publishingFolder(request.folder, input.appDir);
    if (!folder) {
        return folder.result();
    }
    const Outcome<FolderWalk> walk = FolderWalk::open(*folder);
    if (!walk) {
        return folderFailure(request.folder, walk.message());
    }

    PublishReport report;
    report.folder = *folder;
    report.page = files->front().name;
    std::vector<const Needed*> toWrite;
    for (const Needed& file : *files) {
        const Outcome<Found> found = compare(*walk, file, input.appDir);
        if (!found) {
            return found.result();
        }
        switch (*found) {
        case Found::Missing:
            report.written.append(file.name);
            toWrite.push_back(&file);
            break;
        case Found::Differs:
            report.replaced.append(file.name);
            toWrite.push_back(&file);
            break;
        case Found::Same:
            report.unchanged.append(file.name);
            break;
        }
    }
    if (!report.replaced.isEmpty() && !request.replaceDiffering) {
        return report;
    }

    std::vector<StagedFile> staged;
    staged.reserve(toWrite.size());
    for (const Needed* file : toWrite) {
        Outcome<StagedFile> one = stage(*file, *folder, input.appDir);
        if (!one) {
            return one.result();
        }
        staged.push_back(std::move(one).value());
    }
    for (size_t i = 0; i < staged.size(); ++i) {
        if (Result committed = staged[i].commit(); !committed) {
            return Result::failure(settings::createFailure(QDir(*folder).filePath(toWrite[i]->name),
                                                           committed.message));
        }
    }
    report.done = true;
    return report;
}

QString publishedMessage(const PublishReport& report)
{
    QStringList lines{report.page + u" and the files it needs are in "_s +
                      QDir::toNativeSeparators(report.folder)};
    const auto add = [&](const QString& heading, const QStringList& names) {
        if (!names.isEmpty()) {
            lines.append(heading + names.join(u", "_s));
        }
    };
    add(u"Written: "_s, report.written);
    add(u"Replaced: "_s, report.replaced);
    add(u"Already there: "_s, report.unchanged);
    return lines.join(u'\n');
}

QString replaceQuestion(const PublishReport& report)
{
    return QDir::toNativeSeparators(report.folder) +
           u" already holds files of these names with another content:\n"_s +
           report.replaced.join(u", "_s) + u"\n\nReplace them?"_s;
}

} // namespace morvane::generator
