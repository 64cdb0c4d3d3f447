#pragma once

#include "ui/page/KindSections.h"

#include <span>

// The specific sections by family of kinds; KindSections.cpp joins them into the registry.
namespace morvane::ui::page::tables {

using catalog::ListFileId;

// The rows most tables are made of; labels are the key table's.
constexpr FieldSpec number(const char16_t* key, const char16_t* hint = nullptr)
{
    return {.control = Control::Edit, .key = key, .hint = hint, .width = 50};
}
constexpr FieldSpec text(const char16_t* key)
{
    return {.control = Control::Edit, .key = key};
}
constexpr FieldSpec swatch(const char16_t* key)
{
    return {.control = Control::ColorSwatch, .key = key};
}
constexpr FieldSpec radio(const char16_t* key)
{
    return {.control = Control::RadioGroup, .key = key};
}
constexpr FieldSpec target(const char16_t* key)
{
    return {.control = Control::TargetDropDown, .key = key};
}
constexpr FieldSpec path(const char16_t* key, FileKind files)
{
    return {.control = Control::PathEdit, .key = key, .files = files};
}
constexpr FieldSpec group(const char16_t* caption)
{
    return {.control = Control::Group, .label = caption};
}

std::span<const SpecificSectionEntry> textSections();     // texts, stars, forms
std::span<const SpecificSectionEntry> imageSections();    // image effects and image lists
std::span<const SpecificSectionEntry> linkSections();     // links, menus, navigation
std::span<const SpecificSectionEntry> dataGameSections(); // data, games, drawing and sound

} // namespace morvane::ui::page::tables
