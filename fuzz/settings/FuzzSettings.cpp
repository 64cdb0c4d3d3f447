#include "Require.h"
#include "settings/MenuTree.h"
#include "settings/Profile.h"
#include "settings/TextCodec.h"

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

using namespace morvane::settings;
using namespace Qt::StringLiterals;

namespace {

QByteArray saved(const QString& text)
{
    return encodeText(text);
}

// Every (section, key) the text seems to name, and a few it does not: the comparison needs only
// the same questions asked of both loads.
std::vector<std::pair<QString, QString>> questions(const QStringList& lines)
{
    std::vector<std::pair<QString, QString>> asked{{u"options"_s, u"first"_s}};
    QString section;
    for (const QString& line : lines) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(u'[') && trimmed.contains(u']')) {
            section = trimmed.mid(1, trimmed.indexOf(u']') - 1).trimmed();
            continue;
        }
        if (const qsizetype equals = line.indexOf(u'='); equals > 0)
            asked.emplace_back(section, line.left(equals).trimmed().toUpper());
    }
    return asked;
}

void checkProfile(const QString& text)
{
    const Profile first = Profile::fromText(text);
    const Profile again = Profile::fromText(decodeText(saved(first.toText())));
    const auto asked = questions(splitLines(text));
    for (const auto& [section, key] : asked) {
        require(first.rawValue(section, key) == again.rawValue(section, key));
        require(first.isPresent(section, key) == again.isPresent(section, key));
    }

    // Writing back what was read changes no value, whatever the file held.
    Profile rewritten = first;
    for (const auto& [section, key] : asked) {
        const QString value = first.read(section, key, QString());
        rewritten.write(section, key, value, u"n"_s);
        require(rewritten.read(section, key, QString()) == value);
    }
    const Profile reloaded = Profile::fromText(decodeText(saved(rewritten.toText())));
    for (const auto& [section, key] : asked)
        require(reloaded.read(section, key, QString()) == first.read(section, key, QString()));
}

void checkLists(const QString& text)
{
    const QStringList lines = splitLines(text);
    require(splitLines(decodeText(saved(joinLines(lines)))) == lines);

    const MenuTree tree = parseTree(lines).tree;
    require(parseTree(splitLines(decodeText(saved(joinLines(treeLines(tree)))))).tree == tree);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString text = decodeText(input);
    checkProfile(text);
    checkLists(text);
    return 0;
}
