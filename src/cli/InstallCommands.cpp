#include "cli/Cli.h"
#include "cli/SamplePages.h"
#include "settings/FirstRun.h"

#include <QDir>

namespace morvane::cli {

int runFirstRun(const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (!args.isEmpty()) {
        err << "usage: morvane-cli first-run\n";
        return UsageError;
    }
    const Outcome<settings::FirstRun> run = settings::runFirstRun(QDir::currentPath());
    if (!run) {
        err << run.message() << "\n";
        return Failure;
    }
    out << (run->wasFirstRun ? "Sample media installed\n" : "Not a first run: nothing to do\n");
    return Success;
}

int runSamples(const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (!args.isEmpty()) {
        err << "usage: morvane-cli samples\n";
        return UsageError;
    }
    const Result written = writeSamplePages(QDir::currentPath());
    if (!written) {
        err << written.message << "\n";
        return Failure;
    }
    out << "Sample and help pages written\n";
    return Success;
}

} // namespace morvane::cli
