#include "platform/FolderServer.h"
#include "platform/QtServices.h"

#include <QUrl>

using namespace Qt::StringLiterals;

namespace morvane::platform {

QtPreviewServer::QtPreviewServer() = default;
QtPreviewServer::~QtPreviewServer() = default;

QString QtPreviewServer::addressOf(const QString& folder, const QString& fileName)
{
    // Started at the first preview and kept until the program ends; a failed start is tried
    // again at the next preview.
    if (!m_server) {
        m_server = std::make_unique<FolderServer>();
    }
    if (!m_server->start()) {
        return QString();
    }
    m_server->setRoot(folder);
    QUrl address;
    address.setScheme(u"http"_s);
    address.setHost(u"127.0.0.1"_s);
    address.setPort(m_server->port());
    address.setPath(u'/' + fileName);
    return address.toString(QUrl::FullyEncoded);
}

} // namespace morvane::platform
