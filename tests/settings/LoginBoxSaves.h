#pragma once

#include "settings/WorkingCopy.h"

#include <QString>

// Numbered saves of LoginBox, the kind whose logins and passwords must never be mixed: every
// file of save number n carries n, and the lists' length depends on n.
namespace morvane::settings::saves {

using namespace Qt::StringLiterals;

inline const QString kLoginBox = u"LoginBox"_s;

void fillSave(WorkingCopy& copy, int number);
// The number of the save the copy holds, or -1 when its files come from different saves.
int wholeSaveNumber(const WorkingCopy& copy);

} // namespace morvane::settings::saves
