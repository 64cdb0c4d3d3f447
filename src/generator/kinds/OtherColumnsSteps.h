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

// The list files the steps above read, for their step tables to declare.
inline constexpr catalog::ListFileId kLoginPasswordFileReads[] = {
    catalog::ListFileId::LoginBoxLogins, catalog::ListFileId::LoginBoxPasswords,
    catalog::ListFileId::LoginBoxLinks};
inline constexpr catalog::ListFileId kColumnColorsReads[] = {catalog::ListFileId::TableColumns,
                                                             catalog::ListFileId::TableColors};

} // namespace morvane::generator
