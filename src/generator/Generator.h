#pragma once

#include "generator/GenerationContext.h"

namespace morvane::generator {

// The applet element of the input's kind: the checks of the common values, the <applet> line,
// the "generator" line, the supported common parameters, then the kind's own parameters.
// Stops at the first invalid value. Shows nothing; the caller reports the message.
Generation generate(const GenerationInput& input);

// Completes a successful generation: the no-Java text, when not empty, and </applet>.
// WhoIsVisitor's script is complete already and gets nothing.
void closeApplet(Generation& generation, const QString& kind, const QString& noJavaMessage);

// generate() and, on success, closeApplet() with the working copy's no-Java text.
Generation generateClosed(const GenerationInput& input);

QString generatorValue(); // "Morvane 1.5.4 - " + the home page

} // namespace morvane::generator
