#pragma once

#include "base/Outcome.h"
#include "base/Result.h"
#include "catalog/ProfileReader.h"
#include "settings/FoldedIndex.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <unordered_map>
#include <vector>

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

    // A missing file gives an empty profile; an unreadable one, or one a link leads to outside the
    // installation folder `within`, fails.
    static Outcome<Profile> load(const QString& path, const QString& within);
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
    Result save(const QString& path, const QString& within) const;

private:
    // The text is kept as read, one piece per line; a written line gets a text of its own and
    // lines are chained so that inserting one moves nothing.
    struct Line {
        qint32 start; // in m_text, or (length < 0) the index in m_written
        qint32 length;
        qint32 next = -1;
    };
    struct Section {
        qint32 header;
        qint32 last; // the last key line of the section, or the header
    };

    QStringView lineText(qint32 line) const;
    void setLine(qint32 line, const QString& text);
    qint32 insertLine(const QString& text, qint32 after);
    void indexSections();
    qint32 findSection(QStringView section) const;
    const FoldedIndex& keyIndex(qint32 section) const;
    qint32 findKeyLine(const QString& section, const QString& key) const;

    QString m_text;
    QStringList m_written;
    std::vector<Line> m_lines;
    qint32 m_first = -1;
    qint32 m_last = -1;
    std::vector<Section> m_sections; // the first section of each name
    FoldedIndex m_sectionIndex;
    // Built for a section when it is first looked into: a load reads only a few sections.
    mutable std::unordered_map<qint32, FoldedIndex> m_keyIndexes;
};

// Removes the blanks around `raw` and one pair of enclosing quotes, as a read does.
QString unquoteValue(const QString& raw);
// The text to store so that a read gives back `value` exactly.
QString quoteValueIfNeeded(const QString& value, const QString& quoteAlso = QString());

} // namespace morvane::settings
