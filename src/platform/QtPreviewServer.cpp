#include "platform/FolderServer.h"
#include "platform/QtServices.h"

#include <QDir>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace morvane::platform {

namespace {

// Started at the first page served and kept until the program ends; a failed start is tried
// again at the next page.
QString addressIn(std::unique_ptr<FolderServer>& server, const QList<FolderServer::Mount>& site,
                  const QString& fileName)
{
    if (!server) {
        server = std::make_unique<FolderServer>();
    }
    if (!server->start()) {
        return QString();
    }
    QUrl address;
    address.setScheme(u"http"_s);
    address.setHost(u"127.0.0.1"_s);
    address.setPort(server->port());
    address.setPath(server->serve(site) + fileName);
    return address.toString(QUrl::FullyEncoded);
}

} // namespace

QtPreviewServer::QtPreviewServer() = default;
QtPreviewServer::~QtPreviewServer() = default;

QString QtPreviewServer::addressOf(const QString& folder, const QString& fileName)
{
    return addressIn(m_server, {FolderServer::Mount{QString(), folder}}, fileName);
}

QString QtPreviewServer::addressOf(const QStringList& folders, const QString& fileName)
{
    QList<FolderServer::Mount> site;
    for (const QString& folder : folders) {
        site.append(FolderServer::Mount{QDir(folder).dirName(), folder});
    }
    return addressIn(m_server, site, fileName);
}

} // namespace morvane::platform
