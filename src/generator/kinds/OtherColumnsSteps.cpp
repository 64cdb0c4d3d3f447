#include "generator/kinds/OtherColumnsSteps.h"

#include "generator/KindSteps.h"
#include "generator/Writers.h"
#include "settings/AtomicFile.h"
#include "settings/ListFiles.h"

using namespace Qt::StringLiterals;

namespace morvane::generator {

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
    return runGuardedSteps(ctx, kPolygonSteps);
}

bool writeTriangleSteps(GenerationContext& ctx)
{
    return runGuardedSteps(ctx, kTriangleSteps);
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
