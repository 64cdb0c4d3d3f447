#include "catalog/Kinds.h"
#include "cli/Cli.h"
#include "generator/Generator.h"
#include "generator/NeededFiles.h"
#include "settings/Markup.h"
#include "settings/SettingsStore.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace morvane::cli {

int runHtml(const QStringList& args, QTextStream& out, QTextStream& err)
{
    QStringList rest = args;
    const bool runtime = rest.removeAll(u"--runtime"_s) > 0;
    settings::Markup markup = settings::Markup::Applet;
    if (const qsizetype at = rest.indexOf(u"--markup"_s); at >= 0) {
        const std::optional<settings::Markup> named =
            at + 1 < rest.size() ? settings::markupNamed(rest.at(at + 1)) : std::nullopt;
        if (!named) {
            err << "morvane-cli html: --markup takes applet or modern\n";
            return UsageError;
        }
        markup = *named;
        rest.remove(at, 2);
    }
    if (rest.size() != 1) {
        err << "usage: morvane-cli html [--runtime] [--markup FORM] KIND\n";
        return UsageError;
    }
    const QString kind = rest.front();
    if (!catalog::isKind(kind)) {
        err << "Unknown applet kind: " << kind << "\n";
        return UsageError;
    }

    const QString appDir = QDir::currentPath();
    settings::WorkingCopy values;
    const Outcome<settings::KindLoad> load = settings::loadKind(appDir, kind, values);
    if (!load) {
        err << load.message() << "\n";
        return Failure;
    }

    const Outcome<generator::Generation> generation =
        generator::generateClosed({kind, values, load->support, appDir, runtime, markup});
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
