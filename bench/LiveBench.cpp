// From a keystroke on the parameter page to the new applet drawn in the live pane, over many
// edits, and the memory of the program with the pane open, the web engine's processes included.
//
//   xvfb-run -a morvane_live_bench [EDITS] [LINGER_SECONDS]
//
// With LINGER_SECONDS the window then stays up that long, the applet in the pane for the first
// half and a width that fails its check for the second, to be looked at or captured.
// Run it with QT_QPA_PLATFORM=xcb, and as root with QTWEBENGINE_DISABLE_SANDBOX=1.

#include "LiveDriver.h"
#include "ShippedInstallation.h"

#include "ui/page/ParameterPage.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

const QString kProbe = uR"((() => {
  const canvas = document.querySelector('canvas');
  if (!canvas) return '';
  const d = canvas.getContext('2d').getImageData(2, 2, 1, 1).data;
  return canvas.width + ':' + d[0] + ',' + d[1] + ',' + d[2];
})())"_s;

// Memory, in KiB, of the process and of every process below it: the `field` line of each one's
// `file` under /proc ("status" and "VmRSS:" for the resident memory, "smaps_rollup" and "Pss:"
// for the proportional share, which counts the pages the processes share once).
qint64 treeKiB(qint64 root, const QString& file, const QByteArray& field)
{
    QMap<qint64, QList<qint64>> children;
    for (const QString& entry : QDir(u"/proc"_s).entryList(QDir::Dirs)) {
        bool isPid = false;
        const qint64 pid = entry.toLongLong(&isPid);
        QFile stat(u"/proc/"_s + entry + u"/stat"_s);
        if (!isPid || !stat.open(QIODevice::ReadOnly)) {
            continue;
        }
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        children[fields.value(1).toLongLong()].append(pid);
    }
    qint64 total = 0;
    QList<qint64> pending{root};
    while (!pending.isEmpty()) {
        const qint64 pid = pending.takeLast();
        pending.append(children.value(pid));
        QFile status(u"/proc/%1/"_s.arg(pid) + file);
        if (!status.open(QIODevice::ReadOnly)) {
            continue;
        }
        for (const QByteArray& row : status.readAll().split('\n')) {
            if (row.startsWith(field)) {
                total += row.mid(field.size()).trimmed().split(' ').value(0).toLongLong();
            }
        }
    }
    return total;
}

double at(QList<double> values, double share)
{
    std::sort(values.begin(), values.end());
    const auto index = static_cast<qsizetype>(share * static_cast<double>(values.size() - 1));
    return values.at(index);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int edits = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100;
    QTemporaryDir appDir;
    morvane::test::stageShippedInstallation(appDir.path());
    morvane::test::LiveDriver live(appDir.path());
    live.window().openKindPage(u"WaveText"_s);
    // At 100 % in a pane wider than the applet, the canvas has the width typed, pixel for pixel.
    live.window().findChild<QAction*>(u"liveActual"_s)->trigger();
    live.window().resize(1260, live.window().height());

    const morvane::ColorRef background = 0x2040C0;
    const QString drawn = morvane::test::rgbText(background);
    live.pickColor(u"BackgroundColor"_s, background);
    auto* width = live.window().parameterPage()->findChild<QLineEdit*>(u"Width"_s);
    width->setFocus();
    QTest::keySequence(width, QKeySequence::SelectAll);
    QTest::keyClicks(width, u"300"_s);
    if (!live.waitFor(kProbe, u"300:"_s + drawn)) {
        std::fprintf(stderr, "the pane never showed the applet: %s\n",
                     qPrintable(live.pane().message()));
        return 1;
    }

    QList<double> ms;
    for (int edit = 1; edit <= edits; ++edit) {
        // The last digit of the width, typed anew; the frame counts once it has that width and
        // its background is painted.
        const int digit = edit % 10;
        QTest::keyClick(width, Qt::Key_Backspace);
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(width, static_cast<char>('0' + digit));
        if (!live.waitFor(kProbe, u"%1:"_s.arg(300 + digit) + drawn)) {
            std::fprintf(stderr, "edit %d never showed\n", edit);
            return 1;
        }
        ms.append(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("keystroke to new frame over %d edits: median %.1f ms, 95th percentile %.1f ms, "
                "slowest %.1f ms\n",
                edits, at(ms, 0.5), at(ms, 0.95), at(ms, 1.0));
    // The memory as a user has it: the pane playing an animated kind for a while.
    live.window().openKindPage(u"Stars"_s);
    QTest::qWait(3000);
    const qint64 self = QCoreApplication::applicationPid();
    std::printf("memory with the pane playing Stars (program and web engine processes): "
                "PSS %.1f MiB, resident %.1f MiB\n",
                static_cast<double>(treeKiB(self, u"smaps_rollup"_s, "Pss:")) / 1024.0,
                static_cast<double>(treeKiB(self, u"status"_s, "VmRSS:")) / 1024.0);
    std::fflush(stdout);

    const int linger = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 0;
    if (linger > 0) {
        live.window().openKindPage(u"WaveText"_s);
        QTest::qWait(linger * 500);
        QTest::keySequence(width, QKeySequence::SelectAll);
        QTest::keyClicks(width, u"wide"_s);
        QTest::qWait(linger * 500);
    }
    return 0;
}
