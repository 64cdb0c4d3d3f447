#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace morvane::catalog {

struct KindInfo {
    const char16_t* name;
    int menuColumn; // 1, 2 or 3: the column of the "Choose Applet" submenu
};

inline constexpr int kKindCount = 50;

// The 50 kinds in their fixed order (menu, explorer, applets list, help viewer chooser).
const std::array<KindInfo, kKindCount>& kinds();

QString kindName(int index);
QStringList kindNames();
// Position of the kind, compared exactly and case-sensitively; -1 when it is not a kind.
int kindIndex(const QString& name);
bool isKind(const QString& name);
// True for the kinds that start a new column of the "Choose Applet" submenu.
bool startsMenuColumn(int index);

} // namespace morvane::catalog
