#pragma once

#include <QString>

namespace morvane::generator {

// `<param name="NAME" value="VALUE">`; a double quote in the value is written as &quot; so it
// cannot end the attribute early. Nothing else is escaped.
QString paramLine(const QString& name, const QString& value);
QString escapeQuotes(const QString& text);

// The text after the last '/' or '\' (and ':' on Windows).
QString fileNamePart(const QString& path);

} // namespace morvane::generator
