// Saves LoginBox over and over, numbering each save, until it is killed. Used by the crash test.
#include "LoginBoxSaves.h"
#include "settings/SettingsStore.h"

#include <QString>

#include <cstdio>
#include <cstdlib>

using namespace morvane::settings;

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s APPDIR FIRST-NUMBER\n", argv[0]);
        return 2;
    }
    const QString appDir = QString::fromLocal8Bit(argv[1]);
    WorkingCopy copy;
    std::puts("saving");
    std::fflush(stdout);
    for (int number = std::atoi(argv[2]);; ++number) {
        saves::fillSave(copy, number);
        if (!saveKind(appDir, saves::kLoginBox, copy)) {
            std::fprintf(stderr, "save %d failed\n", number);
            return 1;
        }
    }
}
