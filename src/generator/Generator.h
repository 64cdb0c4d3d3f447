#pragma once

#include "generator/GenerationContext.h"

namespace morvane::generator {

// The applet element of the input's kind in the input's markup: the checks of the common values,
// the element's start tag, the "generator" line, the supported common parameters, then the
// kind's own parameters. Stops at the first invalid value. Shows nothing; the caller reports the
// message.
Outcome<Generation> generate(const GenerationInput& input);

// Completes a successful generation: the no-Java text, when not empty, and the applet element's
// end tag. WhoIsVisitor's code (its script, or its element) is complete already and gets nothing.
void closeApplet(Generation& generation, const QString& kind, const QString& noJavaMessage,
                 settings::Markup markup = settings::Markup::Applet);

// generate() and, on success, closeApplet() with the working copy's no-Java text, then, when
// the input asks for it, addRuntime().
Outcome<Generation> generateClosed(const GenerationInput& input);

// The script that runs the applets in today's browsers: one line after the applet element,
// `<script src="morvane-applets.js" defer></script>`, and one before it linking the runtime's
// sheet, `<link rel="stylesheet" href="morvane-applets.css">`, which keeps the applet's place
// on the page before the deferred script runs (nothing moves when it starts). Their files are
// appended to the media, so they become more needed files (copied, previewed and listed like the
// others): the runtime's core, its sheet, then the file with the kind's code, which the core
// fetches beside itself.
QString runtimeScriptLine();
QString runtimeStyleLine();
// runtime/morvane-applets.js and runtime/morvane-applets.css of the installation, then the
// kind's file beside them (none for a kind the runtime does not play).
QStringList runtimeFilePaths(const QString& appDir, const QString& kind);
void addRuntime(Generation& generation, const QString& appDir, const QString& kind);

QString generatorValue(); // "Morvane 1.5.4 - " + the home page

} // namespace morvane::generator
