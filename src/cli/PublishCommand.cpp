#include "cli/Cli.h"
#include "cli/KindArguments.h"
#include "generator/Publish.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace morvane::cli {

int runPublish(const QStringList& args, QTextStream& out, QTextStream& err)
{
    QStringList rest = args;
    const bool force = rest.removeAll(u"--force"_s) > 0;
    const std::optional<KindSwitches> switches = takeKindSwitches(u"publish"_s, rest, err);
    if (!switches) {
        return UsageError;
    }
    if (rest.size() != 2 || rest.at(1).isEmpty()) {
        err << "usage: morvane-cli publish [--markup FORM] [--preset NAME] [--force] KIND FOLDER\n";
        return UsageError;
    }
    int exitCode = Success;
    const std::optional<KindValues> loaded = loadKindValues(rest.at(0), *switches, err, exitCode);
    if (!loaded) {
        return exitCode;
    }

    const generator::PublishRequest request{
        {rest.at(0), loaded->values, loaded->support, QDir::currentPath(), true, switches->markup},
        rest.at(1),
        force};
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
