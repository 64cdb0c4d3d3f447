#include "platform/ModuleLivePreview.h"
#include "platform/QtServices.h"
#include "settings/FolderLock.h"
#include "settings/Leftovers.h"
#include "settings/UserCopy.h"
#include "ui/Startup.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

#include <chrono>

using namespace Qt::StringLiterals;

int main(int argc, char* argv[])
{
    // The web engine, loaded later as a module, shares its OpenGL contexts with the program's;
    // a library linked in would have asked for this itself.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Morvane"_s);
    QApplication::setDesktopFileName(u"net.morvane.Morvane"_s);
    QApplication::setWindowIcon(QIcon::fromTheme(u"net.morvane.Morvane"_s));
    morvane::platform::QtServices services;

    const morvane::settings::AppDirPlace place = morvane::settings::locateAppDir(
        morvane::settings::surroundingsOf(QCoreApplication::applicationDirPath()));
    // One program per folder, and the lock before anything of the folder is read or written: a
    // user's copy is made there right after, so the folder comes first.
    if (!place.shippedDir.isEmpty()) {
        QDir().mkpath(place.appDir);
    }
    morvane::settings::FolderLock lock(place.appDir);
    morvane::ui::FolderOwner owner(place.appDir);
    switch (morvane::ui::claimFolder(lock, owner, std::chrono::seconds(10))) {
    case morvane::ui::FolderClaim::Owner:
        break;
    case morvane::ui::FolderClaim::HandedOver:
        return 0;
    case morvane::ui::FolderClaim::InUse:
        services.services().messages.showError(nullptr,
                                               morvane::settings::folderInUseMessage(place.appDir));
        return 1;
    }
    // Held now: staging files in the folder are a killed program's, never a running one's.
    morvane::settings::removeLeftovers(place.appDir);
    const morvane::settings::AppDirChoice choice = morvane::settings::prepareAppDir(place);
    if (!choice.result) {
        services.services().messages.showError(nullptr, choice.result.message);
        return 1;
    }
    // Every data path is taken from the installation folder, once and for all; relative paths
    // in settings are taken from the current directory, as in the folder the program started in.
    if (!QDir::setCurrent(choice.appDir)) {
        services.services().messages.showError(nullptr,
                                               u"Can't open the folder: "_s + choice.appDir);
        return 1;
    }
    // A shipped file that could not be refreshed is still whole in its old version; the user is
    // told, and the next start tries again.
    if (!choice.update.warnings.isEmpty()) {
        services.services().messages.showInformation(
            nullptr, u"Some files of the new version could not be installed; the "
                     "older ones are kept:\n"_s +
                         choice.update.warnings.join(u'\n'));
    }
    // The web engine's module: beside the program in its build folder, in a private library
    // folder when installed.
    const QString programDir = QCoreApplication::applicationDirPath();
    const QStringList modules = {programDir + u"/morvane-webview"_s,
                                 programDir + u"/../"_s + QString::fromUtf8(MORVANE_MODULE_DIR) +
                                     u"/morvane-webview"_s};
    const auto window = morvane::ui::startMorvane(
        choice.appDir, services.services(), morvane::platform::moduleLivePreviewFactory(modules));
    QObject::connect(&owner, &morvane::ui::FolderOwner::raiseRequested, window.get(),
                     &morvane::ui::MainWindow::bringToFront);
    return QApplication::exec();
}
