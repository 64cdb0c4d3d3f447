#pragma once

#include "settings/UserCopy.h"

#include <QStringList>
#include <QTextStream>

#include <functional>

namespace morvane::cli {

// Exit codes of morvane-cli.
enum ExitCode { Success = 0, Failure = 1, UsageError = 2 };

// Finds the installation folder; asked only by the commands that work in one.
using FolderChooser = std::function<settings::AppDirChoice()>;

// Runs the command named in `args` ("html", "wav2au", "first-run", "samples") after the options
// --help, --version and --verbose. The commands that work in an installation folder run with
// it as the current directory.
int run(const QStringList& args, QTextStream& out, QTextStream& err,
        const FolderChooser& chooseFolder);

int runHtml(const QStringList& args, QTextStream& out, QTextStream& err);
int runWav2Au(const QStringList& args, QTextStream& out, QTextStream& err);
// Installs the sample media when the installation has not run yet.
int runFirstRun(const QStringList& args, QTextStream& out, QTextStream& err);
// Writes the sample, parameters help and all-applets pages from the shipped settings.
int runSamples(const QStringList& args, QTextStream& out, QTextStream& err);

} // namespace morvane::cli
