#include "settings/Profile.h"

#include "settings/AtomicFile.h"
#include "settings/TextCodec.h"

using namespace Qt::StringLiterals;

namespace morvane::settings {
namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool isEnclosedInQuotes(const QString& text)
{
    return text.size() >= 2 && text.front() == u'"' && text.back() == u'"';
}

QStringView trimmedView(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin))) {
        ++begin;
    }
    while (end > begin && isBlank(text.at(end - 1))) {
        --end;
    }
    return text.sliced(begin, end - begin);
}

std::optional<QStringView> sectionName(QStringView line)
{
    const QStringView trimmed = trimmedView(line);
    if (trimmed.size() < 2 || trimmed.front() != u'[') {
        return std::nullopt;
    }
    const qsizetype close = trimmed.indexOf(u']');
    if (close < 0) {
        return std::nullopt;
    }
    return trimmedView(trimmed.sliced(1, close - 1));
}

// The key of a "key=value" line, or nullopt for blank lines, comments and lines without '='.
std::optional<QStringView> keyOf(QStringView line)
{
    const qsizetype equals = line.indexOf(u'=');
    if (equals <= 0) {
        return std::nullopt;
    }
    const QStringView key = trimmedView(line.left(equals));
    if (key.isEmpty() || key.startsWith(u';')) {
        return std::nullopt;
    }
    return key;
}

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
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
    QString value = trimmedView(raw).toString();
    if (isEnclosedInQuotes(value)) {
        value = value.mid(1, value.size() - 2);
    }
    return value;
}

QString quoteValueIfNeeded(const QString& value, const QString& quoteAlso)
{
    const bool needsQuotes =
        (!value.isEmpty() && (isBlank(value.front()) || isBlank(value.back()))) ||
        isEnclosedInQuotes(value) || (!quoteAlso.isNull() && value == quoteAlso);
    return needsQuotes ? QLatin1Char('"') + value + QLatin1Char('"') : value;
}

Outcome<Profile> Profile::load(const QString& path, const QString& within)
{
    const Outcome<QString> read = readTextFile(path, within);
    if (!read) {
        return read.result();
    }
    return fromText(read.value());
}

Profile Profile::fromText(const QString& text)
{
    Profile profile;
    profile.m_text = text;
    const qsizetype size = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n') {
            continue;
        }
        profile.m_lines.push_back(Line{static_cast<qint32>(start), static_cast<qint32>(i - start)});
        if (c == u'\r' && i + 1 < size && text.at(i + 1) == u'\n') {
            ++i;
        }
        start = i + 1;
    }
    if (start < size) {
        profile.m_lines.push_back(
            Line{static_cast<qint32>(start), static_cast<qint32>(size - start)});
    }
    const auto count = static_cast<qint32>(profile.m_lines.size());
    for (qint32 i = 0; i + 1 < count; ++i) {
        profile.m_lines[static_cast<size_t>(i)].next = i + 1;
    }
    if (count > 0) {
        profile.m_first = 0;
        profile.m_last = count - 1;
    }
    profile.indexSections();
    return profile;
}

QStringView Profile::lineText(qint32 line) const
{
    const Line& piece = m_lines[static_cast<size_t>(line)];
    if (piece.length < 0) {
        return m_written.at(piece.start);
    }
    return QStringView(m_text).sliced(piece.start, piece.length);
}

void Profile::setLine(qint32 line, const QString& text)
{
    Line& piece = m_lines[static_cast<size_t>(line)];
    piece.start = static_cast<qint32>(m_written.size());
    piece.length = -1;
    m_written.append(text);
}

qint32 Profile::insertLine(const QString& text, qint32 after)
{
    const auto line = static_cast<qint32>(m_lines.size());
    m_lines.push_back(Line{0, 0});
    setLine(line, text);
    if (after < 0) {
        m_first = m_last = line;
        return line;
    }
    Line& previous = m_lines[static_cast<size_t>(after)];
    m_lines.back().next = previous.next;
    previous.next = line;
    if (after == m_last) {
        m_last = line;
    }
    return line;
}

void Profile::indexSections()
{
    qint32 current = -1;
    for (qint32 line = m_first; line >= 0; line = m_lines[static_cast<size_t>(line)].next) {
        const QStringView text = lineText(line);
        if (const auto name = sectionName(text)) {
            // A repeated section header: its keys are unreachable, as the first one wins.
            if (findSection(*name) >= 0) {
                current = -1;
                continue;
            }
            current = static_cast<qint32>(m_sections.size());
            m_sectionIndex.insert(current, FoldedIndex::hash(*name));
            m_sections.push_back(Section{line, line});
            continue;
        }
        if (current >= 0 && keyOf(text)) {
            m_sections[static_cast<size_t>(current)].last = line;
        }
    }
}

qint32 Profile::findSection(QStringView section) const
{
    return m_sectionIndex.find(FoldedIndex::hash(section), [&](qint32 id) {
        const QStringView header = lineText(m_sections[static_cast<size_t>(id)].header);
        return sameName(*sectionName(header), section);
    });
}

const FoldedIndex& Profile::keyIndex(qint32 section) const
{
    const auto found = m_keyIndexes.find(section);
    if (found != m_keyIndexes.end()) {
        return found->second;
    }
    FoldedIndex& index = m_keyIndexes[section];
    const Section& bounds = m_sections[static_cast<size_t>(section)];
    for (qint32 line = bounds.header; line != bounds.last;) {
        line = m_lines[static_cast<size_t>(line)].next;
        const auto key = keyOf(lineText(line));
        if (!key) {
            continue;
        }
        const quint32 hash = FoldedIndex::hash(*key);
        const auto sameKey = [&](qint32 id) { return sameName(*keyOf(lineText(id)), *key); };
        if (index.find(hash, sameKey) < 0) {
            index.insert(line, hash);
        }
    }
    return index;
}

qint32 Profile::findKeyLine(const QString& section, const QString& key) const
{
    const qint32 found = findSection(section);
    if (found < 0) {
        return -1;
    }
    return keyIndex(found).find(FoldedIndex::hash(key),
                                [&](qint32 line) { return sameName(*keyOf(lineText(line)), key); });
}

std::optional<QString> Profile::rawValue(const QString& section, const QString& key) const
{
    const qint32 line = findKeyLine(section, key);
    if (line < 0) {
        return std::nullopt;
    }
    const QStringView text = lineText(line);
    return trimmedView(text.sliced(text.indexOf(u'=') + 1)).toString();
}

bool Profile::contains(const QString& section, const QString& key) const
{
    return findKeyLine(section, key) >= 0;
}

bool Profile::isPresent(const QString& section, const QString& key) const
{
    const auto raw = rawValue(section, key);
    return raw && *raw != u"n"_s;
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
    if (const qint32 line = findKeyLine(section, key); line >= 0) {
        const QStringView old = lineText(line);
        setLine(line, old.left(old.indexOf(u'=') + 1) + stored);
        return;
    }
    const QString newLine = key + QLatin1Char('=') + stored;
    qint32 found = findSection(section);
    if (found < 0) {
        const qint32 header = insertLine(QLatin1Char('[') + section + QLatin1Char(']'), m_last);
        found = static_cast<qint32>(m_sections.size());
        m_sectionIndex.insert(found, FoldedIndex::hash(section));
        m_sections.push_back(Section{header, header});
    }
    Section& bounds = m_sections[static_cast<size_t>(found)];
    bounds.last = insertLine(newLine, bounds.last);
    if (const auto index = m_keyIndexes.find(found); index != m_keyIndexes.end()) {
        index->second.insert(bounds.last, FoldedIndex::hash(key));
    }
}

QString Profile::toText() const
{
    QString text;
    text.reserve(m_text.size() + static_cast<qsizetype>(m_lines.size()) * 2);
    for (qint32 line = m_first; line >= 0; line = m_lines[static_cast<size_t>(line)].next) {
        text += lineText(line);
        text += u"\r\n"_s;
    }
    return text;
}

Result Profile::save(const QString& path, const QString& within) const
{
    return writeText(path, toText(), {within});
}

} // namespace morvane::settings
