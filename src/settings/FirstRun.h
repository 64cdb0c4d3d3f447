#pragma once

#include "base/Outcome.h"

#include <QString>
#include <QStringList>

#include <span>

namespace morvane::settings {

// One row of the sample media installed on the first start: the files of images&sounds/ that
// the kind's shipped settings name, copied into samples/<kind>/.
struct SampleMedia {
    const char16_t* kind;
    QStringList files;
};

std::span<const SampleMedia> sampleMediaTable();

struct FirstRun {
    bool wasFirstRun = false; // `first` read exactly "yes": the sample media were installed
};

// When `first` in `options` reads exactly "yes": copies the sample media in table order
// (replacing existing files) and, when every copy succeeded, writes first=no. A failed copy
// fails the run, and `first` stays "yes".
Outcome<FirstRun> runFirstRun(const QString& appDir);

} // namespace morvane::settings
