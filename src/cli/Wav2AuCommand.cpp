#include "cli/Cli.h"

#include "audio/WavToAu.h"

namespace morvane::cli {

int runWav2Au(const QStringList& args, QTextStream& out, QTextStream& err)
{
    if (args.size() != 2) {
        err << "usage: morvane-cli wav2au IN.wav OUT.au\n";
        return UsageError;
    }
    const Result result = audio::convertWavToAu(args.at(0), args.at(1));
    if (!result.ok) {
        err << result.message << '\n';
        return Failure;
    }
    out << audio::successMessage(args.at(0), args.at(1)) << '\n';
    return Success;
}

} // namespace morvane::cli
