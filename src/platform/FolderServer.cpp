#include "platform/FolderServer.h"

#include "platform/ServedFiles.h"

#include <QFile>

#include <microhttpd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <optional>
#include <utility>

#include <netinet/in.h>
#include <unistd.h>

namespace morvane::platform {

// Where a request leads: a file path inside one served folder, still percent-encoded.
struct Destination {
    QString root;
    QByteArray path;
};

struct FolderServerState {
    FolderServer::Limits limits;
    MHD_Daemon* daemon = nullptr;
    std::atomic<quint16> port = 0;
    std::mutex sitesMutex;
    // Site n is served under "/n/"; sites are only ever added.
    QList<QList<FolderServer::Mount>> sites;

    // "/<site>/<name>/<path>", or "/<site>/<path>" for a site that is one folder; nullopt when
    // it names no folder served.
    std::optional<Destination> destinationOf(const QByteArray& url)
    {
        const qsizetype siteEnd = url.indexOf('/', 1);
        if (!url.startsWith('/') || siteEnd < 0) {
            return std::nullopt;
        }
        const QByteArray number = url.mid(1, siteEnd - 1);
        const QByteArray rest = url.mid(siteEnd);
        const std::lock_guard lock(sitesMutex);
        for (qsizetype site = 0; site < sites.size(); ++site) {
            if (number != QByteArray::number(site + 1)) {
                continue;
            }
            for (const FolderServer::Mount& mount : std::as_const(sites[site])) {
                if (mount.name.isEmpty()) {
                    return Destination{mount.folder, rest};
                }
                const qsizetype nameEnd = rest.indexOf('/', 1);
                if (nameEnd > 0 && QFile::decodeName(QByteArray::fromPercentEncoding(
                                       rest.mid(1, nameEnd - 1))) == mount.name) {
                    return Destination{mount.folder, rest.mid(nameEnd)};
                }
            }
        }
        return std::nullopt;
    }
};

namespace {

// No answer is ever kept: a new preview must never show an old page or data file.
constexpr char kCacheControl[] = "no-store";
constexpr size_t kBlockSize = 64 * 1024;
// Room for the request's headers, which may carry the cookies of every local server.
constexpr size_t kConnectionMemory = 64 * 1024;

MHD_Result queue(MHD_Connection* connection, unsigned status, MHD_Response* response)
{
    if (response == nullptr) {
        return MHD_NO;
    }
    MHD_add_response_header(response, MHD_HTTP_HEADER_CACHE_CONTROL, kCacheControl);
    const MHD_Result result = MHD_queue_response(connection, status, response);
    MHD_destroy_response(response);
    return result;
}

MHD_Result refuse(MHD_Connection* connection, unsigned status)
{
    const QByteArray body = QByteArray::number(status) + '\n';
    MHD_Response* response =
        MHD_create_response_from_buffer(static_cast<size_t>(body.size()),
                                        const_cast<char*>(body.constData()), MHD_RESPMEM_MUST_COPY);
    if (response != nullptr) {
        MHD_add_response_header(response, MHD_HTTP_HEADER_CONTENT_TYPE, "text/plain");
        if (status == MHD_HTTP_METHOD_NOT_ALLOWED) {
            MHD_add_response_header(response, MHD_HTTP_HEADER_ALLOW, "GET, HEAD");
        }
    }
    return queue(connection, status, response);
}

ssize_t readFile(void* file, uint64_t position, char* buffer, size_t size)
{
    const int descriptor = static_cast<FileHandle*>(file)->get();
    for (;;) {
        const ssize_t read = ::pread(descriptor, buffer, size, static_cast<off_t>(position));
        if (read > 0) {
            return read;
        }
        if (read < 0 && errno == EINTR) {
            continue;
        }
        // A file that shrank or failed under us: the length already sent is a lie, so the
        // client must see the connection break rather than a short file.
        return MHD_CONTENT_READER_END_WITH_ERROR;
    }
}

void closeFile(void* file)
{
    delete static_cast<FileHandle*>(file);
}

// Sends the file a block at a time as the client takes it, so that a large sound file never
// sits in memory whole.
MHD_Result sendFile(MHD_Connection* connection, ServedFile served)
{
    auto* file = new FileHandle(std::move(served.file));
    MHD_Response* response = MHD_create_response_from_callback(
        static_cast<uint64_t>(served.size), kBlockSize, &readFile, file, &closeFile);
    if (response == nullptr) {
        delete file;
        return MHD_NO;
    }
    MHD_add_response_header(response, MHD_HTTP_HEADER_CONTENT_TYPE,
                            contentTypeOf(served.filePath).constData());
    MHD_add_response_header(response, "X-Content-Type-Options", "nosniff");
    return queue(connection, MHD_HTTP_OK, response);
}

bool isAddressedToUs(MHD_Connection* connection, quint16 port)
{
    const QByteArray host =
        QByteArray(MHD_lookup_connection_value(connection, MHD_HEADER_KIND, MHD_HTTP_HEADER_HOST))
            .toLower();
    const QByteArray ourPort = ':' + QByteArray::number(port);
    return host == "127.0.0.1" + ourPort || host == "localhost" + ourPort;
}

bool announcesABody(MHD_Connection* connection)
{
    const char* length =
        MHD_lookup_connection_value(connection, MHD_HEADER_KIND, MHD_HTTP_HEADER_CONTENT_LENGTH);
    return (length != nullptr && std::strcmp(length, "0") != 0) ||
           MHD_lookup_connection_value(connection, MHD_HEADER_KIND,
                                       MHD_HTTP_HEADER_TRANSFER_ENCODING) != nullptr;
}

// A GET or HEAD without a body is answered once the library has seen the whole request, which
// keeps the connection for the next one. Any other request is answered from its headers alone,
// so that its body is never read: the library then closes the connection instead.
MHD_Result answer(void* state, MHD_Connection* connection, const char* url, const char* method,
                  const char* /*version*/, const char* /*uploadData*/, size_t* uploadSize,
                  void** requestState)
{
    static char seen;
    const bool head = std::strcmp(method, MHD_HTTP_METHOD_HEAD) == 0;
    const bool get = std::strcmp(method, MHD_HTTP_METHOD_GET) == 0;
    if (*requestState == nullptr && (get || head) && !announcesABody(connection)) {
        *requestState = &seen;
        return MHD_YES;
    }
    if (*uploadSize != 0) {
        // A body that its headers did not announce: the connection ends before it is read.
        return MHD_NO;
    }
    auto* server = static_cast<FolderServerState*>(state);
    if (!isAddressedToUs(connection, server->port)) {
        return refuse(connection, MHD_HTTP_FORBIDDEN);
    }
    if (!get && !head) {
        return refuse(connection, MHD_HTTP_METHOD_NOT_ALLOWED);
    }
    const std::optional<Destination> destination = server->destinationOf(QByteArray(url));
    if (!destination) {
        return refuse(connection, MHD_HTTP_NOT_FOUND);
    }
    ServedFile served = openServedFile(destination->root, destination->path);
    switch (served.verdict) {
    case ServedFile::Verdict::Serve:
        return sendFile(connection, std::move(served));
    case ServedFile::Verdict::Forbidden:
        return refuse(connection, MHD_HTTP_FORBIDDEN);
    case ServedFile::Verdict::NotFound:
        break;
    }
    return refuse(connection, MHD_HTTP_NOT_FOUND);
}

// The path reaches us still percent-encoded, so that an encoded slash, dot or NUL is refused
// rather than decoded into something else.
size_t keepEncoded(void* /*closure*/, MHD_Connection* /*connection*/, char* text)
{
    return std::strlen(text);
}

} // namespace

FolderServer::FolderServer(Limits limits)
    : m_state(std::make_unique<FolderServerState>())
{
    m_state->limits = limits;
}

FolderServer::FolderServer()
    : FolderServer(Limits{})
{}

FolderServer::~FolderServer()
{
    if (m_state->daemon != nullptr) {
        MHD_stop_daemon(m_state->daemon);
    }
}

bool FolderServer::start()
{
    if (m_state->daemon != nullptr) {
        return true;
    }
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    m_state->daemon = MHD_start_daemon(
        MHD_USE_AUTO_INTERNAL_THREAD, 0, nullptr, nullptr, &answer, m_state.get(),
        MHD_OPTION_SOCK_ADDR, reinterpret_cast<sockaddr*>(&address), MHD_OPTION_CONNECTION_LIMIT,
        m_state->limits.connections, MHD_OPTION_CONNECTION_TIMEOUT, m_state->limits.idleSeconds,
        MHD_OPTION_CONNECTION_MEMORY_LIMIT, kConnectionMemory, MHD_OPTION_UNESCAPE_CALLBACK,
        &keepEncoded, nullptr, MHD_OPTION_END);
    if (m_state->daemon == nullptr) {
        return false;
    }
    const MHD_DaemonInfo* info = MHD_get_daemon_info(m_state->daemon, MHD_DAEMON_INFO_BIND_PORT);
    if (info == nullptr || info->port == 0) {
        MHD_stop_daemon(m_state->daemon);
        m_state->daemon = nullptr;
        return false;
    }
    m_state->port = info->port;
    return true;
}

quint16 FolderServer::port() const
{
    return m_state->port;
}

QString FolderServer::serve(const QList<Mount>& site)
{
    const std::lock_guard lock(m_state->sitesMutex);
    qsizetype index = m_state->sites.indexOf(site);
    if (index < 0) {
        m_state->sites.append(site);
        index = m_state->sites.size() - 1;
    }
    return u'/' + QString::number(index + 1) + u'/';
}

} // namespace morvane::platform
