#pragma once

#include <QStringList>
#include <QTextStream>

namespace morvane::cli {

// Exit codes of morvane-cli.
enum ExitCode { Success = 0, Failure = 1, UsageError = 2 };

// Runs the command named by args[0] ("html", "wav2au") in the current directory.
int run(const QStringList& args, QTextStream& out, QTextStream& err);

int runHtml(const QStringList& args, QTextStream& out, QTextStream& err);
int runWav2Au(const QStringList& args, QTextStream& out, QTextStream& err);

} // namespace morvane::cli
