// The start-up bench's yardstick: the plainest Qt window, in a program of its own so that it
// loads only what any Qt program loads.

#include "FirstFrame.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

using namespace Qt::StringLiterals;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QLabel(u"Hello"_s));
    FirstFrame firstFrame(window);
    window.show();
    firstFrame.wait();
}
