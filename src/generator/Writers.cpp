#include "generator/Writers.h"

#include "generator/FieldRules.h"
#include "generator/Html.h"

#include <algorithm>
#include <vector>

using namespace Qt::StringLiterals;

namespace morvane::generator {
namespace {

const QString kNoCount = u"-"_s;

bool hasNul(const QString& text)
{
    return text.contains(QChar(0));
}

struct MenuEntry {
    QString caption;
    QString link;
};

// The editor writes "Caption # link". The cut drops the character on each side of the first
// '#', whatever it is, so a text typed without those blanks loses a letter; menus already
// published depend on that exact cut.
MenuEntry splitMenuText(const QString& text)
{
    const qsizetype hash = text.indexOf(u'#');
    if (hash < 0) {
        return {text, QString()};
    }
    return {text.left(std::max<qsizetype>(hash - 1, 0)), text.mid(hash + 2)};
}

// The text as typed once the rule passes it; an empty text writes nothing.
bool writeChecked(GenerationContext& ctx, FieldRule rule, const QString& name, const QString& text,
                  const QString& message)
{
    if (const QString failure = valueFailure(rule, text, message, ctx.appDir());
        !failure.isEmpty()) {
        return ctx.fail(failure);
    }
    if (!text.isEmpty()) {
        ctx.param(name, text);
    }
    return true;
}

} // namespace

bool anyHasNul(const QStringList& entries)
{
    return std::any_of(entries.begin(), entries.end(), hasNul);
}

bool writeInteger(GenerationContext& ctx, const QString& name, const QString& text,
                  const QString& message, Negatives negatives)
{
    return writeChecked(
        ctx, negatives == Negatives::Refused ? FieldRule::PositiveInt : FieldRule::AnyInt, name,
        text, message);
}

bool writeText(GenerationContext& ctx, const QString& name, const QString& text,
               const QString& description, Requirement requirement)
{
    return writeChecked(ctx,
                        requirement == Requirement::Required ? FieldRule::RequiredText
                                                             : FieldRule::OptionalText,
                        name, text, description);
}

bool writeFile(GenerationContext& ctx, const QString& name, const QString& path,
               const QString& description)
{
    if (const QString failure = valueFailure(FieldRule::File, path, description, ctx.appDir());
        !failure.isEmpty()) {
        return ctx.fail(failure);
    }
    ctx.addMedia(path);
    ctx.param(name, fileNamePart(path));
    return true;
}

bool writeFileList(GenerationContext& ctx, const QString& baseName, const QStringList& paths,
                   const QString& description, const QString& countName)
{
    if (const QString failure = listFailure(FieldRule::FileList, paths, description, ctx.appDir());
        !failure.isEmpty()) {
        return ctx.fail(failure);
    }
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const QString& path = paths.at(i);
        ctx.addMedia(path);
        ctx.param(baseName + QString::number(i + 1), fileNamePart(path));
    }
    if (countName != kNoCount) {
        ctx.param(countName, QString::number(paths.size()));
    }
    return true;
}

bool writeTextList(GenerationContext& ctx, const QString& baseName, const QStringList& entries,
                   const QString& description, const QString& countName)
{
    if (const QString failure =
            listFailure(FieldRule::TextList, entries, description, ctx.appDir());
        !failure.isEmpty()) {
        return ctx.fail(failure);
    }
    if (countName.isEmpty()) {
        return true;
    }
    for (qsizetype i = 0; i < entries.size(); ++i) {
        ctx.param(baseName + QString::number(i + 1), entries.at(i));
    }
    if (countName != kNoCount) {
        ctx.param(countName, QString::number(entries.size()));
    }
    return true;
}

bool writeMenuHierarchy(GenerationContext& ctx, const settings::MenuTree& tree)
{
    if (const QString failure = treeFailure(tree); !failure.isEmpty()) {
        return ctx.fail(failure);
    }
    const settings::TreeNode* root = tree.root();

    // Depth first without recursion: a tree file can nest as deep as it has lines.
    struct Level {
        const settings::TreeNode* node;
        QString prefix;
        std::size_t next = 0;
    };
    std::vector<Level> levels{{root, QString()}};
    while (!levels.empty()) {
        Level& level = levels.back();
        if (level.next == level.node->children.size()) {
            levels.pop_back();
            continue;
        }
        const settings::TreeNode& child = level.node->children[level.next++];
        const QString path = level.prefix + QString::number(level.next);
        const MenuEntry entry = splitMenuText(child.text);
        ctx.param(u"text"_s + path, entry.caption);
        if (!entry.link.isEmpty()) {
            ctx.param(u"link"_s + path, entry.link);
        }
        if (!child.children.empty()) {
            levels.push_back({&child, path}); // invalidates `level`
        }
    }
    return true;
}

} // namespace morvane::generator
