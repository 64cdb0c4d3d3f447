#include "cli/KindArguments.h"

#include "catalog/Kinds.h"
#include "cli/Cli.h"
#include "settings/Presets.h"
#include "settings/SettingsStore.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace morvane::cli {

std::optional<KindSwitches> readKindCommand(const KindCommandLine& line, QStringList args,
                                            QTextStream& err)
{
    const QString command = QString::fromUtf16(line.name);
    KindSwitches switches;
    switches.flag = args.removeAll(QString::fromUtf16(line.flag)) > 0;
    if (const qsizetype at = args.indexOf(u"--markup"_s); at >= 0) {
        const std::optional<settings::Markup> named =
            at + 1 < args.size() ? settings::markupNamed(args.at(at + 1)) : std::nullopt;
        if (!named) {
            err << "morvane-cli " << command << ": --markup takes applet or modern\n";
            return std::nullopt;
        }
        switches.markup = *named;
        args.remove(at, 2);
    }
    if (const qsizetype at = args.indexOf(u"--preset"_s); at >= 0) {
        if (at + 1 == args.size() || args.at(at + 1).isEmpty()) {
            err << "morvane-cli " << command << ": --preset takes the name of a preset\n";
            return std::nullopt;
        }
        switches.preset = args.at(at + 1);
        args.remove(at, 2);
    }
    if (args.size() != line.operands || args.contains(QString())) {
        err << "usage: morvane-cli " << line.usage << "\n";
        return std::nullopt;
    }
    switches.operands = args;
    return switches;
}

std::optional<KindValues> loadKindValues(const QString& kind, const KindSwitches& switches,
                                         QTextStream& err, int& exitCode)
{
    if (!catalog::isKind(kind)) {
        err << "Unknown applet kind: " << kind << "\n";
        exitCode = UsageError;
        return std::nullopt;
    }
    KindValues loaded;
    const Outcome<settings::KindLoad> load =
        settings::loadKind(QDir::currentPath(), kind, loaded.values);
    if (!load) {
        err << load.message() << "\n";
        exitCode = Failure;
        return std::nullopt;
    }
    loaded.support = load->support;
    if (!switches.preset.isEmpty()) {
        const Outcome<QString> preset =
            settings::loadPreset(QDir::currentPath(), kind, switches.preset, loaded.values);
        if (!preset) {
            err << preset.message() << "\n";
            exitCode = Failure;
            return std::nullopt;
        }
    }
    return loaded;
}

} // namespace morvane::cli
