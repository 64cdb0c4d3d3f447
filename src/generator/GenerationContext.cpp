#include "generator/GenerationContext.h"

#include "base/ColorRef.h"
#include "generator/Html.h"

namespace morvane::generator {

GenerationContext::GenerationContext(const GenerationInput& input)
    : m_input(input)
{}

void GenerationContext::param(const QString& name, const QString& value)
{
    m_result.lines.append(paramLine(name, value));
}

void GenerationContext::colorParam(const QString& name, ColorRef color)
{
    param(name, htmlColor(color));
}

bool GenerationContext::fail(const QString& message)
{
    m_result.message = message;
    return false;
}

Generation GenerationContext::finish(bool ok)
{
    m_result.ok = ok;
    if (ok) {
        m_result.message.clear();
    }
    return std::move(m_result);
}

} // namespace morvane::generator
