#pragma once

#include "catalog/Catalog.h"
#include "settings/Markup.h"
#include "settings/WorkingCopy.h"

#include <QStringList>
#include <QTextStream>

#include <optional>

namespace morvane::cli {

// The switches that `html` and `publish` share, taken out of the arguments.
struct KindSwitches {
    settings::Markup markup = settings::Markup::Applet;
    QString preset; // empty: the kind's current values
};

// Takes `--markup FORM` and `--preset NAME` out of `args`; nothing when FORM is not a markup's
// name or NAME is missing (told on `err`).
std::optional<KindSwitches> takeKindSwitches(const QString& command, QStringList& args,
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
