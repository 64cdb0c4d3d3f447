#include "generator/kinds/OtherColumnsSteps.h"

#include "generator/KindSteps.h"
#include "generator/Writers.h"
#include "settings/AtomicFile.h"
#include "settings/ListFiles.h"

using namespace Qt::StringLiterals;

namespace morvane::generator {
namespace {

// The polygon and triangle groups each choose between a fixed value and a random maximum; the
// applet reads a count of 0 as "take the maximum".
struct RandomGroup {
    const char16_t* choiceKey;
    Step fixed;
    Step random;
    std::span<const Step> following;
    const char16_t* zeroedParam;
};

constexpr Step kPolygonFollowing[] = {
    {Rule::PositiveInt, u"step", u"AngleStep", u"Invalid angle step"},
};
constexpr RandomGroup kPolygonGroup = {
    u"Radio7Index",
    {Rule::PositiveInt, u"order", u"Order", u"Invalid order"},
    {Rule::PositiveInt, u"order_max", u"OrderMax", u"Invalid max order"},
    kPolygonFollowing,
    u"order",
};

constexpr Step kTriangleFollowing[] = {
    {Rule::PositiveInt, u"coefficient", u"Coefficient", u"Invalid coefficient"},
    {Rule::PositiveInt, u"repetitions_number", u"ReplicaNumber", u"Invalid replica number"},
};
constexpr RandomGroup kTriangleGroup = {
    u"Radio8Index",
    {Rule::PositiveInt, u"triangles_number", u"TrianglesNumber", u"Invalid triangles number"},
    {Rule::PositiveInt, u"triangles_number_max", u"NumberMax", u"Invalid max triangles number"},
    kTriangleFollowing,
    u"triangles_number",
};

bool runGroup(GenerationContext& ctx, const RandomGroup& group)
{
    const int choice = ctx.specific().choice(QString::fromUtf16(group.choiceKey));
    if (choice == 0 && !runSteps(ctx, std::span(&group.fixed, 1))) {
        return false;
    }
    if (choice == 1 && !runSteps(ctx, std::span(&group.random, 1))) {
        return false;
    }
    if (!runSteps(ctx, group.following)) {
        return false;
    }
    if (choice == 1) {
        ctx.param(QString::fromUtf16(group.zeroedParam), u"0"_s);
    }
    return true;
}

enum PolygonsMode { PolygonsEffect = 0, TrianglesEffect = 1, AlternateRandomly = 2 };

int polygonsMode(const GenerationContext& ctx)
{
    return ctx.specific().choice(u"Radio6Index"_s);
}

} // namespace

bool writeLoginPasswordFile(GenerationContext& ctx)
{
    const QStringList logins = ctx.list(catalog::ListFileId::LoginBoxLogins);
    const QStringList passwords = ctx.list(catalog::ListFileId::LoginBoxPasswords);
    const QStringList links = ctx.list(catalog::ListFileId::LoginBoxLinks);
    // The links were checked by the step before; a NUL would cut the published file's line.
    if (anyHasNul(logins) || anyHasNul(passwords)) {
        return ctx.fail(u"You must add at least a login, a password and a link"_s);
    }
    QStringList lines;
    lines.reserve(logins.size());
    for (qsizetype i = 0; i < logins.size(); ++i) {
        lines.append(logins.at(i) + u' ' + passwords.value(i) + u' ' + links.value(i));
    }

    const QString path = settings::listFilePath(ctx.appDir(), u"pass.txt"_s);
    const Result written = settings::writeTextLines(path, lines, {ctx.appDir(), true});
    if (!written) {
        return ctx.fail(written.message);
    }
    ctx.addMedia(path);
    return true;
}

bool writePolygonSteps(GenerationContext& ctx)
{
    const int mode = polygonsMode(ctx);
    if (mode != PolygonsEffect && mode != AlternateRandomly) {
        return true;
    }
    return runGroup(ctx, kPolygonGroup);
}

bool writeTriangleSteps(GenerationContext& ctx)
{
    const int mode = polygonsMode(ctx);
    if (mode != TrianglesEffect && mode != AlternateRandomly) {
        return true;
    }
    return runGroup(ctx, kTriangleGroup);
}

bool writeColumnColors(GenerationContext& ctx)
{
    const QStringList columns = ctx.list(catalog::ListFileId::TableColumns);
    const QStringList colors = ctx.list(catalog::ListFileId::TableColors);
    for (qsizetype i = 0; i < colors.size(); ++i) {
        // Only a hand-edited list file can hold something else than a decimal color.
        bool ok = false;
        const qlonglong color = colors.at(i).toLongLong(&ok, 10);
        if (!ok) {
            return ctx.fail(u"Invalid column color: "_s + colors.at(i));
        }
        ctx.colorParam(u"columns_color"_s + columns.value(i), static_cast<ColorRef>(color));
    }
    return true;
}

} // namespace morvane::generator
