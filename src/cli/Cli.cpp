#include "cli/Cli.h"

#include "catalog/Version.h"
#include "settings/FolderLock.h"

#include <QDir>

#include <optional>

namespace morvane::cli {
namespace {

using namespace Qt::StringLiterals;

// What a command does with the installation folder.
enum class Access { None, Reads, Writes };

struct Command {
    const char16_t* name;
    const char* arguments;
    const char* summary;
    Access access;
    int (*run)(const QStringList&, QTextStream&, QTextStream&);
};

// clang-format off
const Command kCommands[] = {
    {u"html", "[--runtime] [--markup FORM] [--preset NAME] KIND",
     "print KIND's code and needed files from its settings", Access::Reads, runHtml},
    {u"publish", "[--markup FORM] [--preset NAME] [--force] KIND FOLDER",
     "write KIND's page, needed files and runtime into FOLDER", Access::Reads, runPublish},
    {u"wav2au", "IN.wav OUT.au", "convert a WAV sound to an 8012 Hz mu-law AU sound",
     Access::None, runWav2Au},
    {u"first-run", "", "install the sample media if not done yet", Access::Writes, runFirstRun},
    {u"samples", "", "rewrite the sample, help and all-applets pages", Access::Writes,
     runSamples},
};
// clang-format on

enum class Option { Help, Version, Verbose };

struct OptionRow {
    Option option;
    const char16_t* shortName;
    const char16_t* longName;
    const char* summary;
};

const OptionRow kOptions[] = {
    {Option::Help, u"-h", u"--help", "show this help and exit"},
    {Option::Version, u"-V", u"--version", "show the version and exit"},
    {Option::Verbose, u"-v", u"--verbose", "say which installation folder is used"},
};

constexpr qsizetype kColumn = 25;

const OptionRow* findOption(const QString& arg)
{
    for (const OptionRow& row : kOptions) {
        if (arg == QStringView(row.shortName) || arg == QStringView(row.longName)) {
            return &row;
        }
    }
    return nullptr;
}

const Command* findCommand(const QString& name)
{
    for (const Command& command : kCommands) {
        if (name == QStringView(command.name)) {
            return &command;
        }
    }
    return nullptr;
}

void printHelp(QTextStream& out)
{
    out << "Usage: morvane-cli [OPTION]... COMMAND [ARGUMENT]...\n"
           "Generates web applet code and converts sounds as Morvane does.\n\nCommands:\n";
    for (const Command& command : kCommands) {
        QString synopsis = QString::fromUtf16(command.name);
        if (*command.arguments != '\0') {
            synopsis += u' ' + QLatin1StringView(command.arguments);
        }
        out << "  " << synopsis.leftJustified(kColumn - 3) << ' ' << command.summary << "\n";
    }
    out << "\nOptions:\n";
    for (const OptionRow& row : kOptions) {
        const QString names =
            QString::fromUtf16(row.shortName) + u", "_s + QString::fromUtf16(row.longName);
        out << "  " << names.leftJustified(kColumn - 3) << ' ' << row.summary << "\n";
    }
    out << "\nhtml writes the classic <applet> code, as does --markup applet; --markup modern\n"
           "writes <morvane-applet> and <morvane-param> elements, which pass HTML5 checkers.\n"
           "--runtime adds the script that runs the applets in today's browsers.\n"
           "--preset NAME takes KIND's values from its preset NAME instead of its current ones.\n";
    out << "\npublish writes one HTML5 page (KIND lower-cased, .html) with the code and the\n"
           "runtime's script line, and beside it every file the page needs and the runtime,\n"
           "nothing else. Files of FOLDER with these names but another content are replaced\n"
           "only with --force. A folder inside test, samples, runtime or help is refused.\n";
    out << "\nhtml, publish, first-run and samples work in the current folder when it holds\n"
           "morvane.ini; otherwise in $MORVANE_INSTALL_DIR or in the user's copy of the\n"
           "shipped data, $XDG_DATA_HOME/morvane (~/.local/share/morvane), made at first.\n"
           "first-run and samples refuse a folder that Morvane is working in.\n";
}

int usageError(QTextStream& err, const QString& problem)
{
    err << "morvane-cli: " << problem << "\nTry 'morvane-cli --help' for more information.\n";
    return UsageError;
}

// Takes the folder's lock and brings the folder up to date, then moves into it, so relative
// paths in settings and list files are taken from there, as in the program. A folder another
// program holds is that program's to bring up to date: a command that only reads it reads it as
// it is.
int enterInstallation(const FolderLocator& locateFolder, Access access, bool verbose,
                      std::optional<settings::FolderLock>& lock, QTextStream& err)
{
    const settings::AppDirPlace place = locateFolder();
    if (!place.shippedDir.isEmpty()) {
        // Made by the update anyway; the lock comes first.
        QDir().mkpath(place.appDir);
    }
    lock.emplace(place.appDir);
    settings::AppDirChoice choice;
    if (lock->tryLock() == settings::FolderLock::State::InUse) {
        if (access == Access::Writes) {
            err << settings::folderInUseMessage(place.appDir) << "\n";
            return Failure;
        }
        choice.appDir = place.appDir;
        choice.userCopy = place.userCopy;
        if (verbose) {
            err << "Another Morvane program is working in the folder: read as it is\n";
        }
    } else {
        choice = settings::prepareAppDir(place);
    }
    if (verbose) {
        if (choice.update.created) {
            if (choice.result) {
                err << "Copied the shipped data into a new installation folder\n";
            }
        } else {
            for (const QString& file : choice.update.added) {
                err << "Added the new shipped file " << file << "\n";
            }
        }
        for (const QString& file : choice.update.refreshed) {
            err << "Refreshed the shipped file " << file << "\n";
        }
        for (const QString& warning : choice.update.warnings) {
            err << "Not refreshed: " << warning << "\n";
        }
        err << "Installation folder: " << QDir::toNativeSeparators(choice.appDir) << "\n";
    }
    if (!choice.result) {
        err << choice.result.message << "\n";
        return Failure;
    }
    if (!QDir::setCurrent(choice.appDir)) {
        err << "Can't open the folder: " << choice.appDir << "\n";
        return Failure;
    }
    return Success;
}

} // namespace

int run(const QStringList& args, QTextStream& out, QTextStream& err,
        const FolderLocator& locateFolder)
{
    bool verbose = false;
    qsizetype next = 0;
    for (; next < args.size() && args[next].startsWith(u'-'); ++next) {
        const OptionRow* option = findOption(args[next]);
        if (!option) {
            return usageError(err, u"unknown option: "_s + args[next]);
        }
        switch (option->option) {
        case Option::Help:
            printHelp(out);
            return Success;
        case Option::Version:
            out << "morvane-cli " << versionText() << "\n";
            return Success;
        case Option::Verbose:
            verbose = true;
            break;
        }
    }
    if (next == args.size()) {
        return usageError(err, u"no command given"_s);
    }
    const Command* command = findCommand(args[next]);
    if (!command) {
        return usageError(err, u"unknown command: "_s + args[next]);
    }
    std::optional<settings::FolderLock> lock;
    if (command->access != Access::None) {
        if (const int entered =
                enterInstallation(locateFolder, command->access, verbose, lock, err);
            entered != Success) {
            return entered;
        }
    }
    return command->run(args.mid(next + 1), out, err);
}

} // namespace morvane::cli
