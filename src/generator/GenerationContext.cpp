#include "generator/GenerationContext.h"

#include "base/ColorRef.h"
#include "generator/Html.h"

namespace morvane::generator {

GenerationContext::GenerationContext(const GenerationInput& input)
    : m_input(input)
{}

void GenerationContext::param(const QString& name, const QString& value)
{
    m_code.lines.append(paramLine(name, value, markup()));
}

void GenerationContext::colorParam(const QString& name, ColorRef color)
{
    param(name, htmlColor(color));
}

bool GenerationContext::fail(const QString& message)
{
    m_failure = message;
    return false;
}

Outcome<Generation> GenerationContext::finish(bool ok)
{
    if (!ok) {
        return Outcome<Generation>::failure(m_failure);
    }
    return std::move(m_code);
}

} // namespace morvane::generator
