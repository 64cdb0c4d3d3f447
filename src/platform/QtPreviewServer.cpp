#include "platform/FolderServer.h"
#include "platform/QtServices.h"

#include <QDir>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace morvane::platform {

QtPreviewServer::QtPreviewServer() = default;
QtPreviewServer::~QtPreviewServer() = default;

// The server lives from the first page served until the program ends; a set that fails is
// tried again at its next page.
Outcome<QString> QtPreviewServer::addressOf(const Site& site, const QString& fileName)
{
    QList<FolderServer::Mount> mounts;
    for (const QString& folder : site.folders) {
        mounts.append(FolderServer::Mount{
            site.folders.size() == 1 ? QString() : QDir(folder).dirName(), folder});
    }
    if (!m_server) {
        m_server = std::make_unique<FolderServer>();
    }
    const Outcome<quint16> port = m_server->serve(mounts, site.installation);
    if (!port) {
        return port.result();
    }
    QUrl address;
    address.setScheme(u"http"_s);
    address.setHost(u"127.0.0.1"_s);
    address.setPort(port.value());
    address.setPath(u'/' + fileName);
    return address.toString(QUrl::FullyEncoded);
}

} // namespace morvane::platform
