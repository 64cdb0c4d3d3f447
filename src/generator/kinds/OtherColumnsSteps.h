#pragma once

#include "generator/GenerationContext.h"

namespace morvane::generator {

// The steps of the kinds IPViewer to Zoom that a step table cannot express. Each reads the
// current kind's values from the context and returns false after recording its failure.

bool writeLoginPasswordFile(GenerationContext& ctx); // LoginBox: cfg/pass.txt, then media
bool writePolygonSteps(GenerationContext& ctx);      // Polygons: modes 0 and 2
bool writeTriangleSteps(GenerationContext& ctx);     // Polygons: modes 1 and 2
bool writeColumnColors(GenerationContext& ctx);      // Table: "columns_color" + column
bool writeVisitorScript(GenerationContext& ctx);     // WhoIsVisitor: replaces every line

} // namespace morvane::generator
