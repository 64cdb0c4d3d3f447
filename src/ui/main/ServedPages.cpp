#include "ui/main/ServedPages.h"

#include "catalog/SamplePaths.h"
#include "generator/Preview.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace morvane::ui {
namespace {

// Unserved, the page still opens from the disk; the user is told why its applets may miss
// their files.
void openServed(const platform::Services& services, QWidget* parent,
                const platform::PreviewServer::Site& site, const QString& servedPath,
                const QString& page)
{
    const Outcome<QString> address = services.preview.addressOf(site, servedPath);
    if (address) {
        services.shell.openUrl(address.value());
        return;
    }
    services.messages.showInformation(
        parent, address.message() +
                    u" The page opens from the disk, where its applets cannot read their "
                    u"pictures' pixels, sounds and data files."_s);
    const QFileInfo file(page);
    services.shell.openFile(file.fileName(), file.path());
}

} // namespace

// Served, a sample's applet reads its images' pixels, its sounds and its data files, which a
// page opened from the disk may not.
void openSamplePage(const platform::Services& services, QWidget* parent, const QString& appDir,
                    const QString& folder, const QString& fileName)
{
    const QString page = QDir(folder).filePath(fileName);
    openServed(services, parent,
               platform::PreviewServer::Site{catalog::servedSampleFolders(appDir), appDir},
               catalog::servedSamplePath(appDir, page), page);
}

void openPreviewPage(const platform::Services& services, QWidget* parent, const QString& appDir,
                     const QString& kind, const QStringList& lines, const QStringList& media)
{
    const Outcome<QString> page = generator::preparePreview(appDir, kind, lines, media);
    if (!page) {
        services.messages.showError(parent, page.message());
        return;
    }
    const QString folder = generator::testFolder(appDir);
    openServed(services, parent, platform::PreviewServer::Site{{folder}, appDir}, page.value(),
               QDir(folder).filePath(page.value()));
}

} // namespace morvane::ui
