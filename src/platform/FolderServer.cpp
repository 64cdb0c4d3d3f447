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
#include <vector>

#include <netinet/in.h>
#include <sys/stat.h>
#include <unistd.h>

namespace morvane::platform {

// A folder of a set, held open for the server's life.
struct HeldMount {
    QString name;
    Descriptor root;
};

// Where a request leads: a file path inside one served folder, still percent-encoded.
struct Destination {
    const Descriptor* root;
    QByteArray path;
};

// One set of folders on a port of its own. What it serves never changes once it listens, so
// its requests need no lock.
struct Listener {
    QList<FolderServer::Mount> site;
    QString installation;
    std::vector<HeldMount> mounts;
    std::atomic<quint16> port = 0;
    MHD_Daemon* daemon = nullptr;

    Listener() = default;
    Q_DISABLE_COPY_MOVE(Listener)
    // The daemon stops before the folders it reads from are closed.
    ~Listener()
    {
        if (daemon != nullptr) {
            MHD_stop_daemon(daemon);
        }
    }

    // "/<name>/<path>", or "/<path>" for a set that is one folder; nullopt when it names no
    // folder served.
    std::optional<Destination> destinationOf(const QByteArray& url) const
    {
        if (!url.startsWith('/')) {
            return std::nullopt;
        }
        for (const HeldMount& mount : mounts) {
            if (mount.name.isEmpty()) {
                return Destination{&mount.root, url};
            }
            const qsizetype nameEnd = url.indexOf('/', 1);
            if (nameEnd > 0 && QFile::decodeName(QByteArray::fromPercentEncoding(
                                   url.mid(1, nameEnd - 1))) == mount.name) {
                return Destination{&mount.root, url.mid(nameEnd)};
            }
        }
        return std::nullopt;
    }
};

struct FolderServerState {
    FolderServer::Limits limits;
    std::mutex listenersMutex;
    std::vector<std::unique_ptr<Listener>> listeners;
};

namespace {

using namespace Qt::StringLiterals;

const QString kCouldNotStart = u"The program's own web server could not start."_s;

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
    const int descriptor = static_cast<Descriptor*>(file)->get();
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
    delete static_cast<Descriptor*>(file);
}

// Sends the file a block at a time as the client takes it, so that a large sound file never
// sits in memory whole.
MHD_Result sendFile(MHD_Connection* connection, ServedFile served)
{
    auto* file = new Descriptor(std::move(served.file));
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
    const auto* listener = static_cast<const Listener*>(state);
    if (!isAddressedToUs(connection, listener->port)) {
        return refuse(connection, MHD_HTTP_FORBIDDEN);
    }
    if (!get && !head) {
        return refuse(connection, MHD_HTTP_METHOD_NOT_ALLOWED);
    }
    const std::optional<Destination> destination = listener->destinationOf(QByteArray(url));
    if (!destination) {
        return refuse(connection, MHD_HTTP_NOT_FOUND);
    }
    ServedFile served = openServedFile(*destination->root, destination->path);
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

bool isSameFolder(const Descriptor& one, const Descriptor& other)
{
    struct stat first {};
    struct stat second {};
    return ::fstat(one.get(), &first) == 0 && ::fstat(other.get(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

bool holdsTheSameFolders(const Listener& listener, const std::vector<HeldMount>& mounts)
{
    for (size_t i = 0; i < mounts.size(); ++i) {
        if (!isSameFolder(listener.mounts[i].root, mounts[i].root)) {
            return false;
        }
    }
    return true;
}

bool listen(Listener& listener, const FolderServer::Limits& limits)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    listener.daemon = MHD_start_daemon(
        MHD_USE_AUTO_INTERNAL_THREAD, 0, nullptr, nullptr, &answer, &listener, MHD_OPTION_SOCK_ADDR,
        reinterpret_cast<sockaddr*>(&address), MHD_OPTION_CONNECTION_LIMIT, limits.connections,
        MHD_OPTION_CONNECTION_TIMEOUT, limits.idleSeconds, MHD_OPTION_CONNECTION_MEMORY_LIMIT,
        kConnectionMemory, MHD_OPTION_UNESCAPE_CALLBACK, &keepEncoded, nullptr, MHD_OPTION_END);
    if (listener.daemon == nullptr) {
        return false;
    }
    const MHD_DaemonInfo* info = MHD_get_daemon_info(listener.daemon, MHD_DAEMON_INFO_BIND_PORT);
    if (info == nullptr || info->port == 0) {
        return false;
    }
    listener.port = info->port;
    return true;
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

FolderServer::~FolderServer() = default;

Outcome<quint16> FolderServer::serve(const QList<Mount>& site, const QString& installation)
{
    std::vector<HeldMount> mounts;
    for (const Mount& mount : site) {
        Outcome<Descriptor> root = openServedRoot(mount.folder, installation);
        if (!root) {
            return root.result();
        }
        mounts.push_back(HeldMount{mount.name, std::move(root).value()});
    }

    const std::lock_guard lock(m_state->listenersMutex);
    for (const std::unique_ptr<Listener>& listener : m_state->listeners) {
        // A folder deleted and made again is served on a port of its own: the pages of the
        // old one keep theirs, and may still read what it held.
        if (listener->site == site && listener->installation == installation &&
            holdsTheSameFolders(*listener, mounts)) {
            return listener->port.load();
        }
    }
    auto listener = std::make_unique<Listener>();
    listener->site = site;
    listener->installation = installation;
    listener->mounts = std::move(mounts);
    if (!listen(*listener, m_state->limits)) {
        return Outcome<quint16>::failure(kCouldNotStart);
    }
    m_state->listeners.push_back(std::move(listener));
    return m_state->listeners.back()->port.load();
}

} // namespace morvane::platform
