#pragma once

#include "catalog/ListFileTable.h"

#include <QString>
#include <QStringList>

#include <span>

namespace morvane::catalog {

using namespace Qt::StringLiterals;

enum class ValueForm { Text, Color, Choice, Flag };

// One setting of a kind's section: its key, its form and the default used when it is read.
struct SettingKey {
    const char16_t* key;
    ValueForm form;
    const char16_t* defaultValue;
    const char16_t* label;                 // the field's label on the page
    const char16_t* choices;               // for a choice: the buttons' captions separated by '|'
    const char16_t* fallbackKey = nullptr; // read instead when the key itself is missing

    QString name() const { return QString::fromUtf16(key); }
    QString defaultText() const { return QString::fromUtf16(defaultValue); }
    QString labelText() const { return QString::fromUtf16(label); }
    QStringList choiceCaptions() const;
    int choiceCount() const { return static_cast<int>(choiceCaptions().size()); }
};

struct KindKeys {
    const char16_t* kind;
    std::span<const SettingKey> keys;    // in table order: the load and save order
    std::span<const ListFileSpec> lists; // its rows of kListFiles: the load and save order
};

// The specific keys and list files of a kind; empty spans for an unknown kind and for HexColor.
const KindKeys& kindKeys(const QString& kind);
const SettingKey* findSpecificKey(const QString& kind, const QString& key);

// Every list file of every kind, in kind order.
std::span<const ListFileSpec> allListFiles();

// The common keys, shared by every kind's section, in the order the save writes them.
enum class CommonKeyId {
    Width,
    Height,
    BackgroundColor,
    BackgroundImage,
    NoJavaMessage,
    StatusbarMessage,
    OnloadSound,
    Loop,
    OnmouseoverSound,
    OnmouseoverBackgroundColorEnabled,
    OnmouseoverBackgroundColor,
    OnmouseoverTextEnabled,
    OnmouseoverText,
    OnmouseoverTextHeight,
    OnmouseoverTextColor,
    OnclicSound,
    Link,
    Target,
};

struct CommonKey {
    CommonKeyId id;
    const char16_t* key;
    ValueForm form;
    // Value the field takes when the key is absent; for a color also when the value is empty.
    const char16_t* absentValue;
    bool alwaysWritten; // Width, Height and NoJavaMessage; the others only when present
    // The name it goes under in the applet code; nullptr for the switches, which are not written.
    const char16_t* param;

    QString name() const { return QString::fromUtf16(key); }
    QString paramName() const { return QString::fromUtf16(param); }
};

// clang-format off
inline constexpr CommonKey kCommonKeys[] = {
    {CommonKeyId::Width, u"Width", ValueForm::Text, u"", true, u"WIDTH"},
    {CommonKeyId::Height, u"Height", ValueForm::Text, u"", true, u"HEIGHT"},
    {CommonKeyId::BackgroundColor, u"BackgroundColor", ValueForm::Color, u"0", false, u"background_color"},
    {CommonKeyId::BackgroundImage, u"BackgroundImage", ValueForm::Text, u"", false, u"background_image"},
    {CommonKeyId::NoJavaMessage, u"NoJavaMessage", ValueForm::Text, u"", true, nullptr},
    {CommonKeyId::StatusbarMessage, u"StatusbarMessage", ValueForm::Text, u"", false, u"status_bar_text"},
    {CommonKeyId::OnloadSound, u"OnloadSound", ValueForm::Text, u"", false, u"sound_name"},
    {CommonKeyId::Loop, u"Loop", ValueForm::Flag, u"no", false, u"loop_sound"},
    {CommonKeyId::OnmouseoverSound, u"OnmouseoverSound", ValueForm::Text, u"", false, u"enter_sound_name"},
    {CommonKeyId::OnmouseoverBackgroundColorEnabled, u"OnmouseoverBackgroundColorEnabled", ValueForm::Flag, u"no", false, nullptr},
    {CommonKeyId::OnmouseoverBackgroundColor, u"OnmouseoverBackgroundColor", ValueForm::Color, u"0", false, u"enter_background_color"},
    {CommonKeyId::OnmouseoverTextEnabled, u"OnmouseoverTextEnabled", ValueForm::Flag, u"no", false, nullptr},
    {CommonKeyId::OnmouseoverText, u"OnmouseoverText", ValueForm::Text, u"", false, u"enter_text"},
    {CommonKeyId::OnmouseoverTextHeight, u"OnmouseoverTextHeight", ValueForm::Text, u"", false, u"enter_text_height"},
    {CommonKeyId::OnmouseoverTextColor, u"OnmouseoverTextColor", ValueForm::Color, u"16777215", false, u"enter_text_color"},
    {CommonKeyId::OnclicSound, u"OnclicSound", ValueForm::Text, u"", false, u"clic_sound_name"},
    {CommonKeyId::Link, u"Link", ValueForm::Text, u"", false, u"link"},
    {CommonKeyId::Target, u"Target", ValueForm::Text, u"", false, u"target"},
};
// clang-format on

constexpr const CommonKey& commonKeyInfo(CommonKeyId id)
{
    return kCommonKeys[static_cast<size_t>(id)];
}
// The key's name as stored and as the tables name it.
constexpr const char16_t* keyOf(CommonKeyId id)
{
    return commonKeyInfo(id).key;
}
inline QString commonKeyName(CommonKeyId id)
{
    return commonKeyInfo(id).name();
}

std::span<const CommonKey> commonKeys();
const CommonKey* findCommonKey(const QString& key);

// The text that marks a common key as absent.
inline QString absentMarker()
{
    return u"n"_s;
}

} // namespace morvane::catalog
