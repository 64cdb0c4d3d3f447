#include "platform/QtServices.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Morvane"));

    // Every data path is taken from the folder the program was started in, once and for all.
    const QString appDir = QDir::currentPath();
    morvane::platform::QtServices services;

    morvane::ui::MainWindow window(appDir, services.services());
    window.show();
    window.loadOptions();
    window.runFirstRunStep();
    return QApplication::exec();
}
