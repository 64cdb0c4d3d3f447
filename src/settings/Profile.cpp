#include "settings/Profile.h"

#include "settings/AtomicFile.h"
#include "settings/TextCodec.h"

namespace morvane::settings {
namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

QString trimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin).toString();
}

bool isEnclosedInQuotes(const QString& text)
{
    return text.size() >= 2 && text.front() == u'"' && text.back() == u'"';
}

std::optional<QString> sectionName(const QString& line)
{
    const QString trimmed = trimBlanks(line);
    if (trimmed.size() < 2 || trimmed.front() != u'[')
        return std::nullopt;
    const qsizetype close = trimmed.indexOf(u']');
    if (close < 0)
        return std::nullopt;
    return trimBlanks(QStringView(trimmed).mid(1, close - 1));
}

// The key of a "key=value" line, or nullopt for blank lines, comments and lines without '='.
std::optional<QString> keyOf(const QString& line)
{
    const qsizetype equals = line.indexOf(u'=');
    if (equals <= 0)
        return std::nullopt;
    QString key = trimBlanks(QStringView(line).left(equals));
    if (key.isEmpty() || key.startsWith(u';'))
        return std::nullopt;
    return key;
}

QString withoutLineBreaks(QString text)
{
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

} // namespace

QString unquoteValue(const QString& raw)
{
    QString value = trimBlanks(raw);
    if (isEnclosedInQuotes(value))
        value = value.mid(1, value.size() - 2);
    return value;
}

QString quoteValueIfNeeded(const QString& value, const QString& quoteAlso)
{
    const bool needsQuotes =
        (!value.isEmpty() && (isBlank(value.front()) || isBlank(value.back()))) ||
        isEnclosedInQuotes(value) || (!quoteAlso.isNull() && value == quoteAlso);
    return needsQuotes ? QLatin1Char('"') + value + QLatin1Char('"') : value;
}

Profile Profile::load(const QString& path, Result* result)
{
    const ReadText read = readTextFile(path);
    if (result)
        *result = read.ok ? Result::success() : Result::failure(read.message);
    return fromText(read.text);
}

Profile Profile::fromText(const QString& text)
{
    Profile profile;
    profile.m_lines = splitLines(text);
    profile.reindex();
    return profile;
}

void Profile::reindex()
{
    m_sections.clear();
    Section* current = nullptr;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const QString& line = m_lines.at(i);
        if (const auto name = sectionName(line)) {
            const QString folded = name->toLower();
            // A repeated section header: its keys are unreachable, as the first one wins.
            if (m_sections.contains(folded)) {
                current = nullptr;
                continue;
            }
            current = &m_sections.insert(folded, Section{i, i, {}}).value();
            continue;
        }
        if (!current)
            continue;
        if (const auto key = keyOf(line)) {
            const QString folded = key->toLower();
            if (!current->keys.contains(folded))
                current->keys.insert(folded, i);
            current->lastLine = i;
        }
    }
}

const Profile::Section* Profile::findSection(const QString& section) const
{
    const auto it = m_sections.constFind(section.toLower());
    return it == m_sections.constEnd() ? nullptr : &it.value();
}

std::optional<qsizetype> Profile::findKeyLine(const QString& section, const QString& key) const
{
    const Section* found = findSection(section);
    if (!found)
        return std::nullopt;
    const auto it = found->keys.constFind(key.toLower());
    if (it == found->keys.constEnd())
        return std::nullopt;
    return it.value();
}

std::optional<QString> Profile::rawValue(const QString& section, const QString& key) const
{
    const auto line = findKeyLine(section, key);
    if (!line)
        return std::nullopt;
    const QString& text = m_lines.at(*line);
    return trimBlanks(QStringView(text).mid(text.indexOf(u'=') + 1));
}

bool Profile::contains(const QString& section, const QString& key) const
{
    return findKeyLine(section, key).has_value();
}

bool Profile::isPresent(const QString& section, const QString& key) const
{
    const auto raw = rawValue(section, key);
    return raw && *raw != QStringLiteral("n");
}

QString Profile::read(const QString& section, const QString& key, const QString& defaultValue) const
{
    const auto raw = rawValue(section, key);
    return raw ? unquoteValue(*raw) : defaultValue;
}

void Profile::write(const QString& section, const QString& key, const QString& value,
                    const QString& quoteAlso)
{
    const QString stored = quoteValueIfNeeded(withoutLineBreaks(value), quoteAlso);
    if (const auto line = findKeyLine(section, key)) {
        const QString& old = m_lines.at(*line);
        m_lines[*line] = old.left(old.indexOf(u'=') + 1) + stored;
        return;
    }
    const QString newLine = key + QLatin1Char('=') + stored;
    if (const Section* found = findSection(section)) {
        m_lines.insert(found->lastLine + 1, newLine);
    } else {
        m_lines.append(QLatin1Char('[') + section + QLatin1Char(']'));
        m_lines.append(newLine);
    }
    reindex();
}

QString Profile::toText() const
{
    return joinLines(m_lines);
}

Result Profile::save(const QString& path) const
{
    return writeFileAtomically(path, encodeText(toText()));
}

} // namespace morvane::settings
