#pragma once

#include "catalog/ProfileReader.h"
#include "catalog/Result.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

namespace morvane::settings {

// An INI file held in memory: one parse per load, one atomic write per save.
//
// Reading: section and key names match without regard to case; blanks around the value and one
// pair of enclosing quotation marks are removed. Writing replaces a key's line in place, or adds
// the key at the end of its section (and the section at the end of the file).
// A value that would not read back unchanged is written inside one pair of quotes, and line
// breaks never reach the file.
class Profile final : public catalog::ProfileReader {
public:
    Profile() = default;

    // A missing file gives an empty profile; an unreadable one an error.
    static Profile load(const QString& path, Result* result = nullptr);
    static Profile fromText(const QString& text);

    QString read(const QString& section, const QString& key,
                 const QString& defaultValue) const override;
    // The stored text with its blanks removed but its quotes kept; nullopt when missing.
    std::optional<QString> rawValue(const QString& section, const QString& key) const;
    bool contains(const QString& section, const QString& key) const;
    // A value saved as "n" is stored quoted, so only a bare n marks a key as absent.
    bool isPresent(const QString& section, const QString& key) const override;

    // `quoteAlso` names one more text that must be quoted to stay distinguishable ("n").
    void write(const QString& section, const QString& key, const QString& value,
               const QString& quoteAlso = QString());

    QString toText() const;
    Result save(const QString& path) const;

private:
    struct Section {
        qsizetype headerLine;
        qsizetype lastLine;             // the last key line of the section, or the header
        QHash<QString, qsizetype> keys; // lower-cased key -> line
    };

    void reindex();
    const Section* findSection(const QString& section) const;
    std::optional<qsizetype> findKeyLine(const QString& section, const QString& key) const;

    QStringList m_lines;
    QHash<QString, Section> m_sections; // lower-cased section name -> first section of that name
};

// Removes the blanks around `raw` and one pair of enclosing quotes, as a read does.
QString unquoteValue(const QString& raw);
// The text to store so that a read gives back `value` exactly.
QString quoteValueIfNeeded(const QString& value, const QString& quoteAlso = QString());

} // namespace morvane::settings
