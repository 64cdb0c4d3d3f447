#pragma once

#include "catalog/Catalog.h"
#include "catalog/CommonParameters.h"

#include <QList>
#include <QPoint>
#include <QString>

#include <array>
#include <optional>

namespace morvane::ui::page {

inline constexpr int kPageMargin = 8;
inline constexpr int kPageGap = 13;
inline constexpr int kHeadingSpace = 26;
inline constexpr int kPutAwayLeft = 650;

struct LabelSize {
    int width = 0;
    int height = 0;
};

struct SpecificSectionBox {
    QString kind;
    int height = 0;
};

// What the assembly needs to know of the widgets; the specific sections are listed in the
// order the page holds them.
struct PageLayoutInput {
    QString kind;
    catalog::Support support;
    int clientWidth = 0;
    LabelSize title;
    LabelSize step1Heading;
    LabelSize step2Heading;
    LabelSize step3Heading; // measured with the kind's own text
    LabelSize step2None;
    LabelSize step3None;
    std::array<int, catalog::kCommonParameterCount> commonHeights{};
    QList<SpecificSectionBox> specificSections;
};

struct SectionPlacement {
    bool shown = false;
    int left = kPutAwayLeft;
    std::optional<int> top; // empty: the section keeps its current top
};

struct PageLayout {
    QPoint title;
    QPoint step1Heading;
    QPoint step2Heading;
    QPoint step3Heading;
    std::optional<QPoint> step2None; // empty: hidden
    std::optional<QPoint> step3None;
    std::array<SectionPlacement, catalog::kCommonParameterCount> common;
    QList<SectionPlacement> specific; // parallel to PageLayoutInput::specificSections
    int scrollRange = 0;
};

// Left of a label centred in the client width, the half pixel rounded to even.
int centeredLeft(int clientWidth, int labelWidth);

PageLayout computePageLayout(const PageLayoutInput& input);

} // namespace morvane::ui::page
