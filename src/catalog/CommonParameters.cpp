#include "catalog/CommonParameters.h"

#include "catalog/KeyTable.h"

using namespace Qt::StringLiterals;

namespace morvane::catalog {

const std::array<CommonParameterInfo, kCommonParameterCount>& commonParameters()
{
    using P = CommonParameter;
    using K = CommonKeyId;
    // clang-format off
    static constexpr std::array<CommonParameterInfo, kCommonParameterCount> table{{
        {P::Dimensions, nullptr, {keyOf(K::Width), keyOf(K::Height)},
         u"Dimensions", u"Dimensions (required) :", 1},
        {P::BackgroundColor, keyOf(K::BackgroundColor), {keyOf(K::BackgroundColor)},
         u"Background color", u"Background Color (required) :", 1},
        {P::BackgroundImage, keyOf(K::BackgroundImage), {keyOf(K::BackgroundImage)},
         u"Background image", u"Background Image (optional) :", 1},
        {P::NoJavaMessage, nullptr, {keyOf(K::NoJavaMessage)},
         u"No Java message", u"No Java Message (optional) :", 1},
        {P::LoadSound, keyOf(K::OnloadSound), {keyOf(K::OnloadSound), keyOf(K::Loop)},
         u"Load sound", u"On load sound (optional) :", 1},
        {P::StatusbarMessage, keyOf(K::StatusbarMessage), {keyOf(K::StatusbarMessage)},
         u"Status bar message", u"On mouse over status bar Message (optional) :", 2},
        {P::MouseOverSound, keyOf(K::OnmouseoverSound), {keyOf(K::OnmouseoverSound)},
         u"Mouse over sound", u"On mouse over sound (optional) :", 2},
        {P::MouseOverColor, keyOf(K::OnmouseoverBackgroundColorEnabled),
         {keyOf(K::OnmouseoverBackgroundColorEnabled), keyOf(K::OnmouseoverBackgroundColor)},
         u"Mouse over color", u"On mouse over background Color (optional) :", 2},
        {P::MouseOverMessage, keyOf(K::OnmouseoverText),
         {keyOf(K::OnmouseoverText), keyOf(K::OnmouseoverTextEnabled), keyOf(K::OnmouseoverTextHeight), keyOf(K::OnmouseoverTextColor)},
         u"Mouse over message", u"On mouse over message display (optional) :", 2},
        {P::ClickSound, keyOf(K::OnclicSound), {keyOf(K::OnclicSound)},
         u"Click sound", u"On click sound (optional) :", 2},
        {P::ClickLink, keyOf(K::Link), {keyOf(K::Link), keyOf(K::Target)},
         u"Click link", u"On click link (optional) :", 2},
    }};
    // clang-format on
    return table;
}

const CommonParameterInfo& commonParameter(CommonParameter id)
{
    return commonParameters()[static_cast<size_t>(id)];
}

QStringList CommonParameterInfo::keyNames() const
{
    QStringList names;
    for (const char16_t* key : keys) {
        if (key) {
            names.append(QString::fromUtf16(key));
        }
    }
    return names;
}

QString specificParametersNode()
{
    return u"Specific parameters"_s;
}

} // namespace morvane::catalog
