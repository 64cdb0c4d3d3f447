#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// Runs morvane-cli in `workingDir` and gathers what it printed.
struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};

inline CliRun runCli(const QString& workingDir, const QStringList& args)
{
    QProcess process;
    process.setWorkingDirectory(workingDir);
    process.start(QString::fromUtf8(MORVANE_CLI_PATH), args);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}
