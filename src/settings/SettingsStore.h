#pragma once

#include "base/Outcome.h"
#include "base/Result.h"
#include "catalog/Catalog.h"
#include "settings/WorkingCopy.h"

#include <QString>

namespace morvane::settings {

QString profilePath(const QString& appDir);

class Profile;

// The common and specific values of `kind` from its section of `profile`, as a load reads them.
void readKindValues(const Profile& profile, const QString& kind, WorkingCopy& copy);
// Writes them into the kind's section of `into` as a save does: the common keys that are not
// always written go only where the kind's section of `present` holds them.
void writeKindValues(Profile& into, const Profile& present, const QString& kind,
                     const WorkingCopy& copy);

// What a load of a kind gives besides the values.
struct KindLoad {
    catalog::Support support; // the kind's catalog marks, read in the same pass
    // Told to the user after a load that had to mend something; empty otherwise.
    QString notice;
};

// Fills the common values, the kind's own values and its lists from morvane.ini and cfg/.
// All or nothing: on failure `copy` is left exactly as it was. A save that a crash cut short is
// finished first, unless another program holds the folder (see heldByAnotherProgram).
Outcome<KindLoad> loadKind(const QString& appDir, const QString& kind, WorkingCopy& copy);

// Writes the kind's values and lists back. Common keys other than Width, Height and
// NoJavaMessage are written only when the section already holds them. An empty kind writes
// nothing. The settings file and the list files are replaced together (see writeFilesTogether).
Result saveKind(const QString& appDir, const QString& kind, const WorkingCopy& copy);

} // namespace morvane::settings
