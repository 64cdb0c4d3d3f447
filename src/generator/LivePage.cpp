#include "generator/LivePage.h"

#include "generator/FileProbe.h"
#include "generator/Html.h"
#include "generator/NeededFiles.h"
#include "settings/AtomicFile.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace morvane::generator {
namespace {

bool sameCopy(const QFileInfo& source, const QFileInfo& copy)
{
    return copy.exists() && copy.size() == source.size() &&
           copy.lastModified() >= source.lastModified();
}

} // namespace

QStringList buildLivePage(const QStringList& htmlLines)
{
    static const QStringList head{
        u"<!DOCTYPE html>"_s,
        u"<html>"_s,
        u"<head>"_s,
        u"<meta charset=\"utf-8\">"_s,
        u"<title>Live preview</title>"_s,
        // Auto margins centre the applet while it is smaller than the pane and start it at the
        // top left edge when larger, so that every edge can be scrolled to; the background is
        // the pane's own.
        u"<style>html { color-scheme: light dark; background: transparent; } body { margin: 0; "
        "min-height: 100vh; display: flex; } body > div { margin: auto; padding: 8px; }</style>"_s,
        u"</head>"_s,
        u"<body>"_s,
        u"<div>"_s,
    };
    static const QStringList tail{u"</div>"_s, u"</body>"_s, u"</html>"_s};
    return head + htmlLines + tail;
}

Outcome<QString> prepareLivePage(const QString& appDir, const QStringList& htmlLines,
                                 const QStringList& media, const QString& folder)
{
    const QDir dir(folder);
    for (const QString& file : media) {
        const QFileInfo source(resolvePath(file, appDir));
        if (sameCopy(source, QFileInfo(dir.filePath(fileNamePart(file))))) {
            continue;
        }
        if (Result copied = copyFileIntoFolder(file, folder, appDir); !copied) {
            return copied;
        }
    }
    // Written last and whole, so that the page never names a file not yet there.
    const QString page = dir.filePath(livePageName);
    if (Result written = settings::writeTextLines(page, buildLivePage(htmlLines), {}); !written) {
        return written;
    }
    return QString(livePageName);
}

} // namespace morvane::generator
