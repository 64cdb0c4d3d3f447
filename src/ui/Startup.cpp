#include "ui/Startup.h"

#include "ui/ProgramStyle.h"
#include "ui/main/WindowPlacement.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QScreen>
#include <QThread>

#include <algorithm>

namespace morvane::ui {
namespace {

using namespace Qt::StringLiterals;

const QByteArray kRaise = "raise\n";
const QByteArray kDone = "done\n";

// Time enough for the holder's event loop to pass by once.
constexpr std::chrono::milliseconds kAnswerTime{2000};
constexpr std::chrono::milliseconds kRetryPause{100};

} // namespace

std::unique_ptr<MainWindow> startMorvane(const QString& appDir, platform::Services services,
                                         const platform::LivePreviewFactory& livePreview)
{
    useProgramStyle();
    auto window = std::make_unique<MainWindow>(appDir, services);
    if (livePreview) {
        window->setLivePreview(livePreview);
    }
    // The options' load after showing tells what could not be read; this one only places.
    const settings::Options remembered =
        settings::loadOptions(appDir).valueOr(settings::defaultOptions());
    const QRect before = geometryOf(remembered.windowGeometry);
    const QScreen* screen = before.isEmpty() ? nullptr : QGuiApplication::screenAt(before.center());
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen) {
        window->restorePlacement(remembered, screen->availableGeometry());
    }
    window->show();
    window->loadOptions();
    window->runFirstRunStep();
    reopenLastApplet(*window);
    return window;
}

void reopenLastApplet(MainWindow& window)
{
    const settings::Options& options = window.options();
    if (options.reopenLastApplet && !options.recentKinds.isEmpty()) {
        // A copy: opening the kind reorders the list it comes from.
        const QString kind = options.recentKinds.front();
        window.appletsListActivated(kind);
    }
}

FolderOwner::FolderOwner(const QString& folder, QObject* parent)
    : QObject(parent)
    , m_folder(folder)
{}

FolderOwner::~FolderOwner() = default;

QString FolderOwner::addressOf(const QString& folder)
{
    QString path = QFileInfo(folder).canonicalFilePath();
    if (path.isEmpty()) {
        path = QDir::cleanPath(QDir(folder).absolutePath());
    }
    return u"morvane-"_s +
           QString::fromLatin1(QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256)
                                   .toHex()
                                   .left(32));
}

bool FolderOwner::listen()
{
    if (m_server) {
        return m_server->isListening();
    }
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    const QString address = addressOf(m_folder);
    // Whoever answered there before held the folder, which is this program's now: what is left
    // is a program's that ended without cleaning up.
    QLocalServer::removeServer(address);
    if (!m_server->listen(address)) {
        return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* caller = m_server->nextPendingConnection()) {
            connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
            connect(caller, &QLocalSocket::readyRead, this, [this, caller] {
                if (!caller->canReadLine() && caller->bytesAvailable() < kRaise.size()) {
                    return;
                }
                const QByteArray request = caller->read(kRaise.size());
                if (request == kRaise) {
                    caller->write(kDone);
                    caller->flush();
                    Q_EMIT raiseRequested();
                }
                caller->disconnectFromServer();
            });
        }
    });
    return true;
}

bool askOwnerToRaise(const QString& folder, std::chrono::milliseconds patience)
{
    QLocalSocket socket;
    socket.connectToServer(FolderOwner::addressOf(folder));
    const int wait = int(patience.count());
    if (!socket.waitForConnected(wait)) {
        return false;
    }
    socket.write(kRaise);
    if (!socket.waitForBytesWritten(wait)) {
        return false;
    }
    // Only the answer tells that the request was taken: a holder that is closing accepts the
    // connection but never reads from it, and its folder is free a moment later.
    while (socket.bytesAvailable() < kDone.size() && socket.waitForReadyRead(wait)) {
    }
    return socket.read(kDone.size()) == kDone;
}

FolderClaim claimFolder(settings::FolderLock& lock, FolderOwner& owner,
                        std::chrono::milliseconds patience)
{
    const QDeadlineTimer deadline(patience);
    while (true) {
        switch (lock.tryLock()) {
        case settings::FolderLock::State::Taken:
            owner.listen();
            return FolderClaim::Owner;
        case settings::FolderLock::State::Unavailable:
            return FolderClaim::Owner;
        case settings::FolderLock::State::InUse:
            break;
        }
        if (askOwnerToRaise(lock.folder(), std::min(kAnswerTime, patience))) {
            return FolderClaim::HandedOver;
        }
        if (deadline.hasExpired()) {
            return FolderClaim::InUse;
        }
        QThread::msleep(static_cast<unsigned long>(kRetryPause.count()));
    }
}

} // namespace morvane::ui
