#include "cli/Cli.h"
#include "cli/KindArguments.h"
#include "generator/Generator.h"
#include "generator/NeededFiles.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace morvane::cli {

int runHtml(const QStringList& args, QTextStream& out, QTextStream& err)
{
    QStringList rest = args;
    const bool runtime = rest.removeAll(u"--runtime"_s) > 0;
    const std::optional<KindSwitches> switches = takeKindSwitches(u"html"_s, rest, err);
    if (!switches) {
        return UsageError;
    }
    if (rest.size() != 1) {
        err << "usage: morvane-cli html [--runtime] [--markup FORM] [--preset NAME] KIND\n";
        return UsageError;
    }
    const QString kind = rest.front();
    int exitCode = Success;
    const std::optional<KindValues> loaded = loadKindValues(kind, *switches, err, exitCode);
    if (!loaded) {
        return exitCode;
    }

    const QString appDir = QDir::currentPath();
    const Outcome<generator::Generation> generation = generator::generateClosed(
        {kind, loaded->values, loaded->support, appDir, runtime, switches->markup});
    if (!generation) {
        err << generation.message() << "\n";
        return Failure;
    }
    for (const QString& line : generation->lines) {
        out << line << "\n";
    }
    out << "--- needed files\n";
    for (const QString& name : generator::neededFileNames(appDir, kind, generation->media)) {
        out << name << "\n";
    }
    return Success;
}

} // namespace morvane::cli
