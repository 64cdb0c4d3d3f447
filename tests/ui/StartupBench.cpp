// Start-up and page-opening times of the program, measured side by side with a bare Qt window.
//
//   morvane_ui_bench INSTALL_DIR [RUNS]   prints the figures
//
// The other modes are the child processes it starts.

#include "catalog/Kinds.h"
#include "platform/fakes/FakeServices.h"
#include "settings/Profile.h"
#include "settings/SettingsStore.h"
#include "ui/Startup.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

void waitUntilExposed(QWidget& window)
{
    while (!window.windowHandle() || !window.windowHandle()->isExposed()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    QCoreApplication::processEvents();
}

[[noreturn]] void reportShown()
{
    std::fputs("shown\n", stdout);
    std::fflush(stdout);
    std::_Exit(0);
}

int runBare(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("Hello")));
    window.show();
    waitUntilExposed(window);
    reportShown();
}

int runMorvane(int argc, char* argv[], const QString& appDir)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Morvane"));
    morvane::platform::FakeServices fakes;
    const auto window = morvane::ui::startMorvane(appDir, fakes.services());
    waitUntilExposed(*window);
    reportShown();
}

void copyTree(const QString& from, const QString& to)
{
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + u'/' + QDir(from).relativeFilePath(source);
        if (it.fileInfo().isDir()) {
            QDir().mkpath(target);
        } else {
            QFile::copy(source, target);
        }
    }
    QDir(to).mkpath(QStringLiteral("test"));
}

double millisecondsToShow(const QStringList& args)
{
    QProcess child;
    QElapsedTimer timer;
    timer.start();
    child.start(QCoreApplication::applicationFilePath(), args);
    child.waitForReadyRead(-1);
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    child.waitForFinished(-1);
    return ms;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

void measurePages(const QString& appDir, QTextStream& out)
{
    morvane::platform::FakeServices fakes;
    const auto window = morvane::ui::startMorvane(appDir, fakes.services());
    waitUntilExposed(*window);

    const QStringList kinds = morvane::catalog::kindNames();
    QList<double> first;
    QList<double> again;
    for (int round = 0; round < 2; ++round) {
        for (const QString& kind : kinds) {
            QElapsedTimer timer;
            timer.start();
            window->openKindPage(kind);
            QCoreApplication::processEvents();
            const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
            (round == 0 ? first : again).append(ms);
        }
    }
    const auto slowest = [&](const QList<double>& values) {
        const auto it = std::max_element(values.begin(), values.end());
        return u"%1 ms (%2)"_s.arg(*it, 0, 'f', 2).arg(kinds.at(it - values.begin()));
    };
    out << "page open, first time:  median " << median(first) << " ms, slowest " << slowest(first)
        << "\n";
    out << "page open, again:       median " << median(again) << " ms, slowest " << slowest(again)
        << "\n";
    out << "pages over 16 ms: "
        << std::count_if(first.begin(), first.end(), [](double ms) { return ms >= 16.0; }) +
               std::count_if(again.begin(), again.end(), [](double ms) { return ms >= 16.0; })
        << "\n";
    for (qsizetype i = 0; i < kinds.size(); ++i) {
        out << "  " << kinds.at(i) << ": " << QString::number(first.at(i), 'f', 2) << " / "
            << QString::number(again.at(i), 'f', 2) << " ms\n";
    }
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc >= 2 && qstrcmp(argv[1], "--bare") == 0) {
        return runBare(argc, argv);
    }
    if (argc >= 3 && qstrcmp(argv[1], "--morvane") == 0) {
        return runMorvane(argc, argv, QString::fromLocal8Bit(argv[2]));
    }
    if (argc < 2) {
        std::fputs("usage: morvane_ui_bench INSTALL_DIR [RUNS]\n", stderr);
        return 2;
    }

    QApplication app(argc, argv);
    QTextStream out(stdout);
    const int runs = argc >= 3 ? std::max(1, std::atoi(argv[2])) : 15;

    // A copy of the installation that has had its first run, as a returning user's has.
    QTemporaryDir install;
    copyTree(QString::fromLocal8Bit(argv[1]), install.path());
    {
        const QString ini = morvane::settings::profilePath(install.path());
        morvane::settings::Profile profile = morvane::settings::Profile::load(ini);
        profile.write(u"options"_s, u"first"_s, u"no"_s);
        profile.save(ini);
    }

    QList<double> bare;
    QList<double> morvane;
    millisecondsToShow({u"--bare"_s}); // warms the file cache
    for (int i = 0; i < runs; ++i) {
        bare.append(millisecondsToShow({u"--bare"_s}));
        morvane.append(millisecondsToShow({u"--morvane"_s, install.path()}));
    }
    const double bareMs = median(bare);
    const double morvaneMs = median(morvane);
    out << "platform: " << QGuiApplication::platformName() << ", runs: " << runs << "\n";
    out << "start-up to shown window, bare window: median " << bareMs << " ms\n";
    out << "start-up to shown window, Morvane:     median " << morvaneMs << " ms\n";
    out << "ratio: " << QString::number(morvaneMs / bareMs, 'f', 2) << "\n";
    measurePages(install.path(), out);
    return 0;
}
