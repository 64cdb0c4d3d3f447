#include "cli/Cli.h"
#include "cli/KindArguments.h"
#include "generator/Generator.h"
#include "generator/NeededFiles.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace morvane::cli {

int runHtml(const QStringList& args, QTextStream& out, QTextStream& err)
{
    const std::optional<KindSwitches> switches = readKindCommand(
        {u"html", u"--runtime", "html [--runtime] [--markup FORM] [--preset NAME] KIND", 1}, args,
        err);
    if (!switches) {
        return UsageError;
    }
    const QString kind = switches->operands.front();
    int exitCode = Success;
    const std::optional<KindValues> loaded = loadKindValues(kind, *switches, err, exitCode);
    if (!loaded) {
        return exitCode;
    }

    const QString appDir = QDir::currentPath();
    const Outcome<generator::Generation> generation = generator::generateClosed(
        {kind, loaded->values, loaded->support, appDir, switches->flag, switches->markup});
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
