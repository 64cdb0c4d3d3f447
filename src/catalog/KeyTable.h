#pragma once

#include <QString>
#include <QStringList>

#include <span>

namespace morvane::catalog {

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

enum class ListForm { Lines, Tree };

// A list file under cfg/, owned by one kind.
struct ListFileSpec {
    const char16_t* fileName; // "ListBox4.txt"
    ListForm form;
    // The list whose length is the number of items of a record kind; the kind's other lists
    // hold one field of each item at the same index.
    bool countsItems = false;

    QString name() const { return QString::fromUtf16(fileName); }
};

struct KindKeys {
    const char16_t* kind;
    std::span<const SettingKey> keys;    // in table order: the load and save order
    std::span<const ListFileSpec> lists; // in load and save order
};

// The specific keys and list files of a kind; empty spans for an unknown kind and for HexColor.
const KindKeys& kindKeys(const QString& kind);
const SettingKey* findSpecificKey(const QString& kind, const QString& key);

// Every list file of every kind, in kind order.
std::span<const ListFileSpec> allListFiles();

// The common keys, shared by every kind's section.
struct CommonKey {
    const char16_t* key;
    ValueForm form;
    // Value the field takes when the key is absent; for a color also when the value is empty.
    const char16_t* absentValue;
    bool alwaysWritten; // Width, Height and NoJavaMessage; the others only when present

    QString name() const { return QString::fromUtf16(key); }
};

// In the order the save writes them.
std::span<const CommonKey> commonKeys();
const CommonKey* findCommonKey(const QString& key);

// The text that marks a common key as absent.
inline QString absentMarker()
{
    return QStringLiteral("n");
}

} // namespace morvane::catalog
