#include "platform/QtServices.h"
#include "platform/webview/QtLivePreview.h"
#include "settings/UserCopy.h"
#include "ui/Startup.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

using namespace Qt::StringLiterals;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Morvane"_s);
    QApplication::setDesktopFileName(u"net.morvane.Morvane"_s);
    QApplication::setWindowIcon(QIcon::fromTheme(u"net.morvane.Morvane"_s));
    morvane::platform::QtServices services;

    const morvane::settings::AppDirChoice choice = morvane::settings::chooseAppDir(
        morvane::settings::surroundingsOf(QCoreApplication::applicationDirPath()));
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
    const auto window = morvane::ui::startMorvane(choice.appDir, services.services(),
                                                  morvane::platform::qtLivePreviewFactory());
    return QApplication::exec();
}
