#pragma once

#include <QString>

#include <optional>

namespace morvane::settings {

// The two forms of the applet code. The classic <applet> element is what pages have always
// had; the custom elements carry the same parameters in markup that HTML5 validators accept
// and site builders keep. The runtime plays both.
enum class Markup {
    Applet, // <applet> with <param> children
    Modern, // <morvane-applet> with <morvane-param> children
};

// "applet" or "modern": the value in morvane.ini and on the command line.
QString markupName(Markup markup);
// Only the exact names; the caller decides what anything else means.
std::optional<Markup> markupNamed(const QString& name);

} // namespace morvane::settings
