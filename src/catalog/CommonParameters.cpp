#include "catalog/CommonParameters.h"

namespace morvane::catalog {

const std::array<CommonParameterInfo, kCommonParameterCount>& commonParameters()
{
    using P = CommonParameter;
    // clang-format off
    static constexpr std::array<CommonParameterInfo, kCommonParameterCount> table{{
        {P::Dimensions, nullptr, {u"Width", u"Height"},
         u"Dimensions", u"Dimensions (required) :", 1},
        {P::BackgroundColor, u"BackgroundColor", {u"BackgroundColor"},
         u"Background color", u"Background Color (required) :", 1},
        {P::BackgroundImage, u"BackgroundImage", {u"BackgroundImage"},
         u"Background image", u"Background Image (optional) :", 1},
        {P::NoJavaMessage, nullptr, {u"NoJavaMessage"},
         u"No Java message", u"No Java Message (optional) :", 1},
        {P::LoadSound, u"OnloadSound", {u"OnloadSound", u"Loop"},
         u"Load sound", u"On load sound (optional) :", 1},
        {P::StatusbarMessage, u"StatusbarMessage", {u"StatusbarMessage"},
         u"Status bar message", u"On mouse over status bar Message (optional) :", 2},
        {P::MouseOverSound, u"OnmouseoverSound", {u"OnmouseoverSound"},
         u"Mouse over sound", u"On mouse over sound (optional) :", 2},
        {P::MouseOverColor, u"OnmouseoverBackgroundColorEnabled",
         {u"OnmouseoverBackgroundColorEnabled", u"OnmouseoverBackgroundColor"},
         u"Mouse over color", u"On mouse over background Color (optional) :", 2},
        {P::MouseOverMessage, u"OnmouseoverText",
         {u"OnmouseoverText", u"OnmouseoverTextEnabled", u"OnmouseoverTextHeight", u"OnmouseoverTextColor"},
         u"Mouse over message", u"On mouse over message display (optional) :", 2},
        {P::ClickSound, u"OnclicSound", {u"OnclicSound"},
         u"Click sound", u"On click sound (optional) :", 2},
        {P::ClickLink, u"Link", {u"Link", u"Target"},
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
        if (key)
            names.append(QString::fromUtf16(key));
    }
    return names;
}

QString specificParametersNode()
{
    return QStringLiteral("Specific parameters");
}

} // namespace morvane::catalog
