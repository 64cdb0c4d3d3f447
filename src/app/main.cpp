#include "platform/QtServices.h"
#include "ui/Startup.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Morvane"));

    // Every data path is taken from the folder the program was started in, once and for all.
    const QString appDir = QDir::currentPath();
    morvane::platform::QtServices services;
    const auto window = morvane::ui::startMorvane(appDir, services.services());
    return QApplication::exec();
}
