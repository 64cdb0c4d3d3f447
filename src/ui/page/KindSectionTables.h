#pragma once

#include "ui/page/KindSections.h"

#include <span>

// The specific sections by family of kinds; KindSections.cpp joins them into the registry.
namespace morvane::ui::page::tables {

std::span<const SpecificSectionEntry> textSections();     // texts, stars, forms
std::span<const SpecificSectionEntry> imageSections();    // image effects and image lists
std::span<const SpecificSectionEntry> linkSections();     // links, menus, navigation
std::span<const SpecificSectionEntry> dataGameSections(); // data, games, drawing and sound

} // namespace morvane::ui::page::tables
