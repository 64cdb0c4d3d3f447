#pragma once

#include <QString>

namespace morvane::platform {

// Appends extension when name does not contain it anywhere (case-sensitive), so "page.htm"
// gets ".html" while "notes.txt.bak" gets no ".txt".
QString appendExtensionIfMissing(const QString& name, const QString& extension);

// The folder of a chosen file without a trailing separator, except that a root keeps it:
// "/home/u/a.jpg" -> "/home/u", "/a.jpg" -> "/", "C:\pics\a.jpg" -> "C:\pics", "C:\a.jpg" -> "C:\".
// Both "/" and "\" count as separators. A name without any folder gives an empty text.
QString folderOfChosenFile(const QString& path);

} // namespace morvane::platform
