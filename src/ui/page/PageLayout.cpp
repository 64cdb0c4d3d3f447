#include "ui/page/PageLayout.h"

#include <algorithm>

namespace morvane::ui::page {
namespace {

using catalog::CommonParameter;

// The common sections of each step, in page order.
constexpr std::array kStep1 = {CommonParameter::Dimensions, CommonParameter::BackgroundColor,
                               CommonParameter::BackgroundImage, CommonParameter::NoJavaMessage,
                               CommonParameter::LoadSound};
constexpr std::array kStep2 = {CommonParameter::StatusbarMessage, CommonParameter::MouseOverSound,
                               CommonParameter::MouseOverColor,   CommonParameter::MouseOverMessage,
                               CommonParameter::ClickSound,       CommonParameter::ClickLink};

int floorDiv2(int value)
{
    return value >= 0 ? value / 2 : -((-value + 1) / 2);
}

class Stacker {
public:
    Stacker(const PageLayoutInput& input, PageLayout& layout)
        : m_input(input)
        , m_layout(layout)
    {}

    // Past the content's right edge, however wide the page is.
    SectionPlacement putAway() const
    {
        return SectionPlacement{false, std::max(kPutAwayLeft, m_input.clientWidth), std::nullopt};
    }

    QPoint centered(LabelSize size, int top) const
    {
        return {centeredLeft(m_input.clientWidth, size.width), top};
    }

    // A heading 26 pixels below y; y moves past it and the gap.
    QPoint heading(LabelSize size)
    {
        const QPoint at = centered(size, y + kHeadingSpace);
        y += kHeadingSpace + size.height + kPageGap;
        return at;
    }

    // Returns whether the section was shown.
    bool commonSection(CommonParameter parameter)
    {
        const auto index = static_cast<size_t>(parameter);
        SectionPlacement& placement = m_layout.common[index];
        const bool used =
            catalog::commonParameter(parameter).alwaysSupported() || m_input.support.has(parameter);
        if (!used) {
            placement = putAway();
            return false;
        }
        placement = SectionPlacement{true, kPageMargin, y};
        y += m_input.commonHeights[index] + kPageGap;
        return true;
    }

    int y = 0;

private:
    const PageLayoutInput& m_input;
    PageLayout& m_layout;
};

} // namespace

int centeredLeft(int clientWidth, int labelWidth)
{
    const int twice = clientWidth - labelWidth;
    const int down = floorDiv2(twice);
    if (twice % 2 == 0) {
        return down;
    }
    return down % 2 == 0 ? down : down + 1;
}

PageLayout computePageLayout(const PageLayoutInput& input)
{
    PageLayout layout;
    Stacker stack(input, layout);

    layout.title = stack.centered(input.title, 0);
    layout.step1Heading = stack.centered(input.step1Heading, input.title.height + kHeadingSpace);
    stack.y = layout.step1Heading.y() + input.step1Heading.height + kPageGap;
    for (CommonParameter parameter : kStep1) {
        stack.commonSection(parameter);
    }

    layout.step2Heading = stack.heading(input.step2Heading);
    bool anyStep2 = false;
    for (CommonParameter parameter : kStep2) {
        anyStep2 = stack.commonSection(parameter) || anyStep2;
    }
    if (!anyStep2) {
        // Spaced like a section, so that the Step 3 heading keeps its distance from it.
        layout.step2None = stack.centered(input.step2None, stack.y);
        stack.y += input.step2None.height + kPageGap;
    }

    layout.step3Heading = stack.heading(input.step3Heading);
    bool matched = false;
    for (const SpecificSectionBox& box : input.specificSections) {
        if (box.kind == input.kind) {
            layout.specific.append(SectionPlacement{true, kPageMargin, stack.y});
            layout.scrollRange = stack.y + box.height + kPageGap;
            matched = true;
        } else {
            SectionPlacement away = stack.putAway();
            away.top = 0;
            layout.specific.append(away);
        }
    }
    if (!matched) {
        layout.step3None = stack.centered(input.step3None, stack.y);
        layout.scrollRange = stack.y + input.step3None.height + kPageGap;
    }
    return layout;
}

} // namespace morvane::ui::page
