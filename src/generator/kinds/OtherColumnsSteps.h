#pragma once

#include "generator/GenerationContext.h"
#include "generator/KindSteps.h"

namespace morvane::generator {

// The steps of the kinds IPViewer to Zoom that a step table cannot express. Each reads the
// current kind's values from the context and returns false after recording its failure.

bool writeLoginPasswordFile(GenerationContext& ctx); // LoginBox: cfg/pass.txt, then media
bool writePolygonSteps(GenerationContext& ctx);      // Polygons: kPolygonSteps
bool writeTriangleSteps(GenerationContext& ctx);     // Polygons: kTriangleSteps
bool writeColumnColors(GenerationContext& ctx);      // Table: "columns_color" + column
bool writeVisitorScript(GenerationContext& ctx);     // WhoIsVisitor: replaces every line

// The list files the steps above read, for their step tables to declare.
inline constexpr catalog::ListFileId kLoginPasswordFileReads[] = {
    catalog::ListFileId::LoginBoxLogins, catalog::ListFileId::LoginBoxPasswords,
    catalog::ListFileId::LoginBoxLinks};
inline constexpr catalog::ListFileId kColumnColorsReads[] = {catalog::ListFileId::TableColumns,
                                                             catalog::ListFileId::TableColors};

// Polygons draws polygons, triangles or either at random (Radio6Index). Each effect's group
// chooses between a fixed count (the first button) and a random one up to a maximum (the
// second); the applet reads a fixed count of 0 as "take the maximum".
namespace polygons {
inline constexpr int kPolygonModes[] = {0, 2};
inline constexpr int kTriangleModes[] = {1, 2};
inline constexpr int kFirst[] = {0};
inline constexpr int kSecond[] = {1};
inline constexpr ChoiceGuard kPolygonsDrawn = {u"Radio6Index", kPolygonModes};
inline constexpr ChoiceGuard kTrianglesDrawn = {u"Radio6Index", kTriangleModes};
inline constexpr ChoiceGuard kFixedOrder = {u"Radio7Index", kFirst};
inline constexpr ChoiceGuard kRandomOrder = {u"Radio7Index", kSecond};
inline constexpr ChoiceGuard kFixedTriangles = {u"Radio8Index", kFirst};
inline constexpr ChoiceGuard kRandomTriangles = {u"Radio8Index", kSecond};
} // namespace polygons

// The last step of each writes the fixed count as 0 once the random one is chosen.
// clang-format off
inline constexpr GuardedStep kPolygonSteps[] = {
    {{Rule::PositiveInt, u"order", u"Order", u"Invalid order"}, polygons::kPolygonsDrawn, polygons::kFixedOrder},
    {{Rule::PositiveInt, u"order_max", u"OrderMax", u"Invalid max order"}, polygons::kPolygonsDrawn, polygons::kRandomOrder},
    {{Rule::PositiveInt, u"step", u"AngleStep", u"Invalid angle step"}, polygons::kPolygonsDrawn},
    {{.rule = Rule::Choice, .param = u"order", .source = u"Radio7Index", .secondValue = u"0"}, polygons::kPolygonsDrawn, polygons::kRandomOrder},
};
inline constexpr GuardedStep kTriangleSteps[] = {
    {{Rule::PositiveInt, u"triangles_number", u"TrianglesNumber", u"Invalid triangles number"}, polygons::kTrianglesDrawn, polygons::kFixedTriangles},
    {{Rule::PositiveInt, u"triangles_number_max", u"NumberMax", u"Invalid max triangles number"}, polygons::kTrianglesDrawn, polygons::kRandomTriangles},
    {{Rule::PositiveInt, u"coefficient", u"Coefficient", u"Invalid coefficient"}, polygons::kTrianglesDrawn},
    {{Rule::PositiveInt, u"repetitions_number", u"ReplicaNumber", u"Invalid replica number"}, polygons::kTrianglesDrawn},
    {{.rule = Rule::Choice, .param = u"triangles_number", .source = u"Radio8Index", .secondValue = u"0"}, polygons::kTrianglesDrawn, polygons::kRandomTriangles},
};

// What writeVisitorScript requires before it replaces the lines these steps write.
inline constexpr GuardedStep kVisitorSteps[] = {
    {{Rule::RequiredText, u"recipient", u"Recipient", u"a recipient email"}},
    {{Rule::RequiredText, u"sender", u"Sender", u"a sender email"}},
};
// clang-format on

} // namespace morvane::generator
