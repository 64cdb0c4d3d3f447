#include "cli/Cli.h"

#include <QCoreApplication>

#include <cstdio>
#include <optional>

namespace {

// Only the commands that look for their installation folder need the application object (for
// the program's own folder), and it costs a quarter of a millisecond of a conversion that must
// stay within a few tens: on Unix the arguments are decoded from argv as the application object
// would. Windows hands them over in UTF-16, which only it reads.
QStringList commandArguments(int& argc, char* argv[], std::optional<QCoreApplication>& app)
{
#ifdef Q_OS_WIN
    app.emplace(argc, argv);
    return QCoreApplication::arguments().mid(1);
#else
    Q_UNUSED(app);
    QStringList args;
    for (int i = 1; i < argc; ++i) {
        args.append(QString::fromLocal8Bit(argv[i]));
    }
    return args;
#endif
}

} // namespace

int main(int argc, char* argv[])
{
    std::optional<QCoreApplication> app;
    const QStringList args = commandArguments(argc, argv, app);
    const auto locateFolder = [&] {
        if (!app) {
            app.emplace(argc, argv);
        }
        return morvane::settings::locateAppDir(
            morvane::settings::surroundingsOf(QCoreApplication::applicationDirPath()));
    };
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int code = morvane::cli::run(args, out, err, locateFolder);
    out.flush();
    err.flush();
    return code;
}
