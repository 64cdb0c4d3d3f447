#include "cli/Cli.h"

namespace morvane::cli {

int runWav2Au(const QStringList& args, QTextStream& out, QTextStream& err)
{
    Q_UNUSED(args);
    Q_UNUSED(out);
    err << "wav2au: not available yet\n";
    return Failure;
}

} // namespace morvane::cli
