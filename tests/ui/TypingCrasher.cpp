// Opens a kind in the real main window, types a width, then keeps retyping the height in
// settled bursts, so that it is saving now and then until it is killed. Used by the crash test.
#include "platform/fakes/FakeServices.h"
#include "ui/MainWindow.h"
#include "ui/main/AutoSave.h"
#include "ui/page/ParameterPage.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

void retype(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: %s APPDIR KIND WIDTH\n", argv[0]);
        return 2;
    }
    morvane::platform::FakeServices fakes;
    morvane::ui::MainWindow window(args[1], fakes.services());
    window.openKindPage(args[2]);
    morvane::ui::ParameterPage* page = window.parameterPage();
    retype(page->findChild<QLineEdit*>(u"Width"_s), args[3]);
    std::puts("typed");
    std::fflush(stdout);

    QLineEdit* height = page->findChild<QLineEdit*>(u"Height"_s);
    int next = 100;
    QTimer again;
    // Longer than the autosave's wait, so that each retyping is saved.
    again.setInterval(morvane::ui::AutoSave::kDelay + std::chrono::milliseconds(100));
    QObject::connect(&again, &QTimer::timeout, &again,
                     [&] { retype(height, QString::number(next++)); });
    again.start();
    return app.exec();
}
