#pragma once

#include "catalog/Catalog.h"
#include "settings/Markup.h"
#include "settings/WorkingCopy.h"

#include <QStringList>
#include <QTextStream>

#include <optional>

namespace morvane::cli {

// A command on a kind, as `html` and `publish` are: the switches they share, one of its own and
// the arguments after them.
struct KindCommandLine {
    const char16_t* name;
    const char16_t* flag; // the command's own switch, given or not
    const char* usage;
    qsizetype operands; // KIND first
};

struct KindSwitches {
    settings::Markup markup = settings::Markup::Applet;
    QString preset; // empty: the kind's current values
    bool flag = false;
    QStringList operands;
};

// Reads `--markup FORM`, `--preset NAME`, the command's own switch and its operands; nothing on
// a usage error (told on `err`).
std::optional<KindSwitches> readKindCommand(const KindCommandLine& line, QStringList args,
                                            QTextStream& err);

// A kind's values loaded as the program loads them, from the current folder, then the preset's
// when one is named.
struct KindValues {
    settings::WorkingCopy values;
    catalog::Support support;
};

// Fails with the exit code to return: unknown kind (told on `err`), or the load's message.
std::optional<KindValues> loadKindValues(const QString& kind, const KindSwitches& switches,
                                         QTextStream& err, int& exitCode);

} // namespace morvane::cli
