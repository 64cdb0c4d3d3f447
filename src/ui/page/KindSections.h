#pragma once

#include "ui/page/SectionLayout.h"

#include <QString>

#include <span>

namespace morvane::ui::page {

struct SpecificSectionEntry {
    const char16_t* kind;
    SectionLayout section;
};

// The kinds' specific sections, as layout tables keyed by kind, in catalog order. HexColor has
// no entry and shows the Step 3 "none" label.
class SpecificSectionRegistry {
public:
    static const SectionLayout* find(const QString& kind);
    static std::span<const SpecificSectionEntry> entries();
};

// "ZPanel" + kind: the page finds a kind's specific section by this name alone.
QString specificSectionName(const QString& kind);

} // namespace morvane::ui::page
