#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace morvane::catalog {

// The common parameters, in explorer and page order.
enum class CommonParameter {
    Dimensions,
    BackgroundColor,
    BackgroundImage,
    NoJavaMessage,
    LoadSound,
    StatusbarMessage,
    MouseOverSound,
    MouseOverColor,
    MouseOverMessage,
    ClickSound,
    ClickLink,
};

inline constexpr int kCommonParameterCount = 11;

struct CommonParameterInfo {
    CommonParameter id;
    const char16_t* markKey;             // nullptr: always supported
    std::array<const char16_t*, 4> keys; // the keys stored with it, mark first; unused are nullptr
    const char16_t* explorerNode;
    const char16_t* sectionTitle;
    int step; // 1 or 2 on the parameter page

    bool alwaysSupported() const { return markKey == nullptr; }
    QString mark() const { return markKey ? QString::fromUtf16(markKey) : QString(); }
    QStringList keyNames() const;
};

const std::array<CommonParameterInfo, kCommonParameterCount>& commonParameters();
const CommonParameterInfo& commonParameter(CommonParameter id);

// Explorer node of the always-present specific section.
QString specificParametersNode();

} // namespace morvane::catalog
