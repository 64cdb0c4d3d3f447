#pragma once

#include "settings/UserCopy.h"

#include <QStringList>
#include <QTextStream>

#include <functional>

namespace morvane::cli {

// Exit codes of morvane-cli.
enum ExitCode { Success = 0, Failure = 1, UsageError = 2 };

// Tells which installation folder to work in; asked only by the commands that work in one.
using FolderLocator = std::function<settings::AppDirPlace()>;

// Runs the command named in `args` ("html", "publish", "wav2au", "first-run", "samples") after the
// options
// --help, --version and --verbose. The commands that work in an installation folder run with
// it as the current directory and hold its lock; those that write into it refuse a folder that
// another program holds, those that only read it read it as it is.
int run(const QStringList& args, QTextStream& out, QTextStream& err,
        const FolderLocator& locateFolder);

int runHtml(const QStringList& args, QTextStream& out, QTextStream& err);
// Writes a kind's page, its needed files and the runtime into a folder.
int runPublish(const QStringList& args, QTextStream& out, QTextStream& err);
int runWav2Au(const QStringList& args, QTextStream& out, QTextStream& err);
// Installs the sample media when the installation has not run yet.
int runFirstRun(const QStringList& args, QTextStream& out, QTextStream& err);
// Writes the sample, parameters help and all-applets pages from the shipped settings.
int runSamples(const QStringList& args, QTextStream& out, QTextStream& err);

} // namespace morvane::cli
