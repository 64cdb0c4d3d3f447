// Start-up and page-opening times of the program, measured side by side with a bare Qt window.
//
//   morvane_ui_bench INSTALL_DIR [RUNS]   prints the figures
//
// The other modes are the child processes it starts.

#include "FirstFrame.h"
#include "catalog/Kinds.h"
#include "platform/ModuleLivePreview.h"
#include "platform/fakes/FakeServices.h"
#include "settings/Profile.h"
#include "settings/SettingsStore.h"
#include "ui/Startup.h"
#include "ui/page/ParameterPage.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QWindow>

#include <sys/resource.h>

#include <algorithm>
#include <array>
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

int runMorvane(int argc, char* argv[], const QString& appDir)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts); // as the program does
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Morvane"_s);
    morvane::platform::FakeServices fakes;
    // With the live pane, as shipped: it must not delay the window.
    const auto window = morvane::ui::startMorvane(
        appDir, fakes.services(),
        morvane::platform::moduleLivePreviewFactory({QString::fromUtf8(MORVANE_WEBVIEW_MODULE)}));
    FirstFrame(*window).wait();
}

// The benchmark runs where the installation was built: the system's copy is the quickest.
void copyTree(const QString& from, const QString& to)
{
    QProcess::execute(u"cp"_s, {u"-a"_s, from + u"/."_s, to});
    QDir(to).mkpath(u"test"_s);
}

// The processor time of the children reaped so far: unlike the time to the shown window, it
// holds still on a machine busy with other work.
double childrenCpuMilliseconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto ms = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
    };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

struct ShowTime {
    double wall = 0; // ms from the start to the shown window
    double cpu = 0;  // ms of processor time, the process ending as soon as it is shown
};

ShowTime timeToShow(const QString& program, const QStringList& args)
{
    const double cpuBefore = childrenCpuMilliseconds();
    QProcess child;
    QElapsedTimer timer;
    timer.start();
    child.start(program, args);
    child.waitForReadyRead(-1);
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    child.waitForFinished(-1);
    return {ms, childrenCpuMilliseconds() - cpuBefore};
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// One process's figures: for each kind, in catalog order, the first opening and a second one,
// each as the open call alone (save, load, assemble) and with the page painted after it.
int runPages(int argc, char* argv[], const QString& appDir)
{
    QApplication app(argc, argv);
    morvane::platform::FakeServices fakes;
    const auto window = morvane::ui::startMorvane(appDir, fakes.services());
    waitUntilExposed(*window);

    QTextStream out(stdout);
    const QStringList kinds = morvane::catalog::kindNames();
    QList<QStringList> rows(kinds.size());
    for (int round = 0; round < 2; ++round) {
        for (qsizetype i = 0; i < kinds.size(); ++i) {
            QElapsedTimer timer;
            timer.start();
            window->openKindPage(kinds.at(i));
            const qint64 opened = timer.nsecsElapsed();
            QCoreApplication::processEvents();
            const qint64 painted = timer.nsecsElapsed();
            rows[i] << QString::number(static_cast<double>(opened) / 1e6, 'f', 3)
                    << QString::number(static_cast<double>(painted) / 1e6, 'f', 3);
        }
    }
    for (qsizetype i = 0; i < kinds.size(); ++i) {
        out << kinds.at(i) << ' ' << rows.at(i).join(u' ') << '\n';
    }
    out.flush();
    std::_Exit(0);
}

// The page alone, on a working copy in memory: each kind's first opening builds its specific
// section, so this separates building the widgets from reading and writing the settings.
int runSections(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir appDir;
    morvane::settings::WorkingCopy copy;
    morvane::settings::Options options;
    morvane::platform::FakeServices fakes;
    morvane::ui::ParameterPage page{
        morvane::ui::PageContext{copy, fakes.services(), options, appDir.path()}};
    page.show();
    waitUntilExposed(page);
    QTextStream out(stdout);
    for (const QString& kind : morvane::catalog::kindNames()) {
        QElapsedTimer timer;
        timer.start();
        page.loadFromCopy(kind);
        page.assemble(kind, morvane::catalog::Support::all());
        out << kind << ' '
            << QString::number(static_cast<double>(timer.nsecsElapsed()) / 1e6, 'f', 3) << '\n';
    }
    out.flush();
    std::_Exit(0);
}

void measureSections(int processes, QTextStream& out)
{
    QMap<QString, QList<double>> figures;
    for (int p = 0; p < processes; ++p) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {u"--sections"_s});
        child.waitForFinished(-1);
        for (const QString& line :
             QString::fromUtf8(child.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts)) {
            const QStringList parts = line.split(u' ');
            if (parts.size() == 2) {
                figures[parts.at(0)].append(parts.at(1).toDouble());
            }
        }
    }
    QList<double> medians;
    QString slowestKind;
    double slowest = 0;
    for (auto it = figures.cbegin(); it != figures.cend(); ++it) {
        medians.append(median(it.value()));
        if (medians.last() > slowest) {
            slowest = medians.last();
            slowestKind = it.key();
        }
    }
    if (medians.isEmpty()) {
        return;
    }
    out << "page alone, first open with its section built, median over " << processes
        << " processes (ms): median of kinds " << median(medians) << ", slowest " << slowest << " ("
        << slowestKind << ")\n";
}

void measurePages(const QString& appDir, int processes, QTextStream& out)
{
    const QStringList kinds = morvane::catalog::kindNames();
    // Per kind, per column (first open, first painted, again open, again painted): one figure
    // from each process.
    QList<std::array<QList<double>, 4>> figures(kinds.size());
    for (int p = 0; p < processes; ++p) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {u"--pages"_s, appDir});
        child.waitForFinished(-1);
        const QStringList lines =
            QString::fromUtf8(child.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
        for (const QString& line : lines) {
            const QStringList parts = line.split(u' ');
            const int kind = morvane::catalog::kindIndex(parts.value(0));
            if (kind < 0 || parts.size() != 5) {
                continue;
            }
            for (int column = 0; column < 4; ++column) {
                figures[kind][column].append(parts.at(column + 1).toDouble());
            }
        }
    }

    const char* names[4] = {"first open", "first open + paint", "again open", "again open + paint"};
    out << "page opening, median over " << processes << " processes (ms):\n";
    for (int column = 0; column < 4; ++column) {
        QList<double> medians;
        for (const auto& kind : figures) {
            medians.append(kind[column].isEmpty() ? 0.0 : median(kind[column]));
        }
        const auto slowest = std::max_element(medians.begin(), medians.end());
        out << "  " << names[column] << ": median of kinds " << median(medians) << ", slowest "
            << *slowest << " (" << kinds.at(slowest - medians.begin()) << "), kinds at 16 or more: "
            << std::count_if(medians.begin(), medians.end(), [](double ms) { return ms >= 16.0; })
            << "\n";
    }
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc >= 3 && qstrcmp(argv[1], "--morvane") == 0) {
        return runMorvane(argc, argv, QString::fromLocal8Bit(argv[2]));
    }
    if (argc >= 2 && qstrcmp(argv[1], "--sections") == 0) {
        return runSections(argc, argv);
    }
    if (argc >= 3 && qstrcmp(argv[1], "--pages") == 0) {
        return runPages(argc, argv, QString::fromLocal8Bit(argv[2]));
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
        morvane::settings::Profile profile =
            morvane::settings::Profile::load(ini, install.path()).valueOr({});
        profile.write(u"options"_s, u"first"_s, u"no"_s);
        profile.save(ini, install.path());
    }

    std::array<QList<double>, 2> bare;
    std::array<QList<double>, 2> morvane;
    const QString bareWindow = QString::fromUtf8(MORVANE_BARE_WINDOW);
    const QString self = QCoreApplication::applicationFilePath();
    timeToShow(bareWindow, {}); // warms the file cache
    timeToShow(self, {u"--morvane"_s, install.path()});
    for (int i = 0; i < runs; ++i) {
        const ShowTime bareTime = timeToShow(bareWindow, {});
        const ShowTime morvaneTime = timeToShow(self, {u"--morvane"_s, install.path()});
        bare[0].append(bareTime.wall);
        bare[1].append(bareTime.cpu);
        morvane[0].append(morvaneTime.wall);
        morvane[1].append(morvaneTime.cpu);
    }
    out << "platform: " << QGuiApplication::platformName() << ", runs: " << runs << "\n";
    const char* what[2] = {"start-up to shown window", "processor time to shown window"};
    for (size_t i = 0; i < 2; ++i) {
        const double bareMs = median(bare[i]);
        const double morvaneMs = median(morvane[i]);
        out << what[i] << ": bare window median " << bareMs << " ms, Morvane median " << morvaneMs
            << " ms, ratio " << QString::number(morvaneMs / bareMs, 'f', 2) << "\n";
    }
    measurePages(install.path(), 5, out);
    measureSections(5, out);
    return 0;
}
