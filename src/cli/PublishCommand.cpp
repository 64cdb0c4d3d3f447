#include "cli/Cli.h"
#include "cli/KindArguments.h"
#include "generator/Publish.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace morvane::cli {

int runPublish(const QStringList& args, QTextStream& out, QTextStream& err)
{
    const std::optional<KindSwitches> switches =
        readKindCommand({u"publish", u"--force",
                         "publish [--markup FORM] [--preset NAME] [--force] KIND FOLDER", 2},
                        args, err);
    if (!switches) {
        return UsageError;
    }
    const QString& kind = switches->operands.at(0);
    int exitCode = Success;
    const std::optional<KindValues> loaded = loadKindValues(kind, *switches, err, exitCode);
    if (!loaded) {
        return exitCode;
    }

    const generator::PublishRequest request{
        {kind, loaded->values, loaded->support, QDir::currentPath(), true, switches->markup},
        switches->operands.at(1),
        switches->flag};
    const Outcome<generator::PublishReport> report = generator::publish(request);
    if (!report) {
        err << report.message() << "\n";
        return Failure;
    }
    if (!report->done) {
        err << "Nothing published: " << QDir::toNativeSeparators(report->folder)
            << " already holds other files of these names: " << report->replaced.join(u", "_s)
            << "\n--force replaces them.\n";
        return Failure;
    }
    out << generator::publishedMessage(*report) << "\n";
    return Success;
}

} // namespace morvane::cli
