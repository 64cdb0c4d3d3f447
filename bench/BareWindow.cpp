// The start-up bench's yardstick: the plainest Qt window, in a program of its own so that it
// loads only what any Qt program loads (the program under test also loads the web engine).

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QWindow>

#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QLabel(u"Hello"_s));
    window.show();
    while (!window.windowHandle() || !window.windowHandle()->isExposed()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    QCoreApplication::processEvents();
    std::fputs("shown\n", stdout);
    std::fflush(stdout);
    std::_Exit(0);
}
