#pragma once

#include "settings/Markup.h"

#include <QString>

namespace morvane::generator {

using settings::Markup;

// `<param name="NAME" value="VALUE">`, or its custom element with an end tag in the modern
// markup; a double quote in the value is written as &quot; so it cannot end the attribute early.
// Nothing else is escaped.
QString paramLine(const QString& name, const QString& value, Markup markup = Markup::Applet);
QString escapeQuotes(const QString& text);
// TEXT as the characters between the double quotes of a script string: a JSON string's escapes,
// and `<`, `>`, `&`, U+2028 and U+2029 as \uXXXX, so that no value ends the string, the script
// or the line, whatever page the script lands on.
QString inScriptString(const QString& text);

// "applet" or "morvane-applet": the element that holds the parameters and the no-Java text.
QString appletElement(Markup markup);
// The start tag of a script the code carries itself: the classic code keeps the LANGUAGE
// attribute the pages of its time had, the modern one writes a plain <script>.
QString scriptStartTag(Markup markup);
// A size attribute's name as the markup writes it: the classic code keeps the catalog's
// spelling ("WIDTH"), the modern one writes it in lower case as HTML5 pages do.
QString sizeAttribute(const QString& name, Markup markup);

// The text after the last '/' or '\' (and ':' on Windows).
QString fileNamePart(const QString& path);

} // namespace morvane::generator
