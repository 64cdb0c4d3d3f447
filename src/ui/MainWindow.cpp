#include "ui/MainWindow.h"

#include "catalog/Version.h"

namespace morvane::ui {

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Morvane ") + versionText() + QStringLiteral(": Applets list"));
    resize(680, 480);
}

} // namespace morvane::ui
