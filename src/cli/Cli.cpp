#include "cli/Cli.h"

namespace morvane::cli {

int run(const QStringList& args, QTextStream& out, QTextStream& err)
{
    const QString command = args.value(0);
    const QStringList rest = args.mid(1);
    if (command == QStringLiteral("html"))
        return runHtml(rest, out, err);
    if (command == QStringLiteral("wav2au"))
        return runWav2Au(rest, out, err);
    if (command == QStringLiteral("first-run"))
        return runFirstRun(rest, out, err);
    if (command == QStringLiteral("samples"))
        return runSamples(rest, out, err);
    err << "usage: morvane-cli html KIND\n"
           "       morvane-cli wav2au IN.wav OUT.au\n"
           "       morvane-cli first-run\n"
           "       morvane-cli samples\n";
    return UsageError;
}

} // namespace morvane::cli
