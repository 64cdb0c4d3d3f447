#pragma once

#include <QStringList>
#include <QTextStream>

namespace morvane::cli {

// Exit codes of morvane-cli.
enum ExitCode { Success = 0, Failure = 1, UsageError = 2 };

// Runs the command named by args[0] ("html", "wav2au", "first-run", "samples") in the current
// directory.
int run(const QStringList& args, QTextStream& out, QTextStream& err);

int runHtml(const QStringList& args, QTextStream& out, QTextStream& err);
int runWav2Au(const QStringList& args, QTextStream& out, QTextStream& err);
// Installs the sample media when the installation has not run yet.
int runFirstRun(const QStringList& args, QTextStream& out, QTextStream& err);
// Writes the sample, parameters help and all-applets pages from the shipped settings.
int runSamples(const QStringList& args, QTextStream& out, QTextStream& err);

} // namespace morvane::cli
