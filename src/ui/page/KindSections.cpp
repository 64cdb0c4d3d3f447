#include "ui/page/KindSections.h"

#include "catalog/Kinds.h"
#include "ui/page/KindSectionTables.h"

#include <algorithm>
#include <vector>

using namespace Qt::StringLiterals;

namespace morvane::ui::page {
namespace {

// Every family's entries, in catalog order.
const std::vector<SpecificSectionEntry>& allEntries()
{
    static const std::vector<SpecificSectionEntry> entries = [] {
        std::vector<SpecificSectionEntry> all;
        for (const auto family : {tables::textSections(), tables::imageSections(),
                                  tables::linkSections(), tables::dataGameSections()}) {
            all.insert(all.end(), family.begin(), family.end());
        }
        std::sort(all.begin(), all.end(), [](const auto& a, const auto& b) {
            return catalog::kindIndex(QString::fromUtf16(a.kind)) <
                   catalog::kindIndex(QString::fromUtf16(b.kind));
        });
        return all;
    }();
    return entries;
}

} // namespace

const SectionLayout* SpecificSectionRegistry::find(const QString& kind)
{
    const auto& entries = allEntries();
    const auto it = std::find_if(entries.begin(), entries.end(), [&](const auto& entry) {
        return kind == QStringView(entry.kind);
    });
    return it == entries.end() ? nullptr : &it->section;
}

std::span<const SpecificSectionEntry> SpecificSectionRegistry::entries()
{
    return allEntries();
}

QString specificSectionName(const QString& kind)
{
    return u"ZPanel"_s + kind;
}

} // namespace morvane::ui::page
