#include "settings/KindFile.h"

#include "base/PlacedFiles.h"
#include "catalog/KeyTable.h"
#include "catalog/Kinds.h"
#include "settings/AtomicFile.h"
#include "settings/Profile.h"
#include "settings/SettingsStore.h"
#include "settings/TextCodec.h"

#include <QHash>

#include <optional>

using namespace Qt::StringLiterals;

namespace morvane::settings {
namespace {

using catalog::ValueForm;

const QString kLineKey = u"Line"_s;
constexpr int kMaxColor = 0xFFFFFF;

QString folded(QStringView name)
{
    return name.toString().toCaseFolded();
}

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Text files never hold control characters other than tabs and line ends; a file that does was
// not written as settings, whatever its name.
bool looksBinary(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 && c != u'\t' && c != u'\r' && c != u'\n') {
            return true;
        }
    }
    return false;
}

// The sections of a file and the keys of each, with the lines as Profile reads them: a section
// header, a key=value line, a blank line or a comment (';'). Anything else is refused here, so
// that no line is silently passed over.
struct Section {
    QString name;
    QStringList keys;
};

Outcome<std::vector<Section>> scanSections(const QString& text)
{
    std::vector<Section> sections;
    QHash<QString, qsizetype> seen;
    QHash<QString, bool> seenKeys;
    const QStringList lines = splitLines(text);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        const QString number = QString::number(i + 1);
        if (line.isEmpty() || line.startsWith(u';')) {
            continue;
        }
        if (line.startsWith(u'[') && line.contains(u']')) {
            const QString name = line.mid(1, line.indexOf(u']') - 1).trimmed();
            if (seen.contains(folded(name))) {
                return Outcome<std::vector<Section>>::failure(u"the section ["_s + name +
                                                              u"] appears twice"_s);
            }
            seen.insert(folded(name), qsizetype(sections.size()));
            sections.push_back({name, {}});
            seenKeys.clear();
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        const QString key = equals > 0 ? line.left(equals).trimmed() : QString();
        if (key.isEmpty()) {
            return Outcome<std::vector<Section>>::failure(u"line "_s + number +
                                                          u" is neither a section nor a setting"_s);
        }
        if (sections.empty()) {
            return Outcome<std::vector<Section>>::failure(u"line "_s + number +
                                                          u" lies outside any section"_s);
        }
        if (seenKeys.contains(folded(key))) {
            return Outcome<std::vector<Section>>::failure(key + u" appears twice in ["_s +
                                                          sections.back().name + u']');
        }
        seenKeys.insert(folded(key), true);
        sections.back().keys.append(key);
    }
    return sections;
}

const catalog::SettingKey* specificKey(const QString& kind, const QString& key)
{
    for (const catalog::SettingKey& setting : catalog::kindKeys(kind).keys) {
        if (sameName(setting.name(), key)) {
            return &setting;
        }
    }
    return nullptr;
}

std::optional<int> strictInt(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// Whether `value` loads as itself in the form: a load would otherwise put a default in its
// place without a word.
Result checkForm(ValueForm form, const QString& key, const QString& value, int choices)
{
    const std::optional<int> number = strictInt(value);
    switch (form) {
    case ValueForm::Text:
        return Result::success();
    case ValueForm::Color:
        if (number && *number >= 0 && *number <= kMaxColor) {
            return Result::success();
        }
        return Result::failure(u"the value of "_s + key +
                               u" is not a color number from 0 to %1: "_s.arg(kMaxColor) + value);
    case ValueForm::Choice:
        if (number && *number >= -1 && *number < choices) {
            return Result::success();
        }
        return Result::failure(u"the value of "_s + key +
                               u" is not a choice from -1 to %1: "_s.arg(choices - 1) + value);
    case ValueForm::Flag:
        if (value == u"yes" || value == u"no") {
            return Result::success();
        }
        return Result::failure(u"the value of "_s + key + u" is neither yes nor no: "_s + value);
    }
    return Result::success();
}

Result checkKindKeys(const Profile& profile, const QString& kind, const Section& section)
{
    for (const QString& key : section.keys) {
        const QString value = profile.read(kind, key, QString());
        if (const catalog::CommonKey* common = catalog::findCommonKey(key)) {
            // A color left empty and a bare n (absent) load as the key's absent value.
            const bool absent = !profile.isPresent(kind, key) ||
                                (common->form == ValueForm::Color && value.isEmpty());
            if (Result form = checkForm(common->form, key, value, 0); !absent && !form) {
                return form;
            }
            continue;
        }
        const catalog::SettingKey* setting = specificKey(kind, key);
        if (!setting) {
            return Result::failure(key + u" is not a setting of "_s + kind);
        }
        if (Result form = checkForm(setting->form, key, value, setting->choiceCount()); !form) {
            return form;
        }
    }
    return Result::success();
}

const Section* findSection(const std::vector<Section>& sections, const QString& name)
{
    for (const Section& section : sections) {
        if (sameName(section.name, name)) {
            return &section;
        }
    }
    return nullptr;
}

Result checkSections(const std::vector<Section>& sections, const QString& kind)
{
    for (const Section& section : sections) {
        if (sameName(section.name, kind)) {
            continue;
        }
        const auto lists = catalog::kindKeys(kind).lists;
        const bool ownList = std::any_of(lists.begin(), lists.end(), [&](const auto& list) {
            return sameName(list.name(), section.name);
        });
        if (ownList) {
            continue;
        }
        if (catalog::isKind(section.name)) {
            return Result::failure(u"these are the settings of "_s + section.name + u", not of "_s +
                                   kind);
        }
        return Result::failure(u"the section ["_s + section.name + u"] is not one of "_s + kind +
                               u"'s"_s);
    }
    if (!findSection(sections, kind)) {
        return Result::failure(u"it holds no section ["_s + kind + u']');
    }
    return Result::success();
}

Outcome<QStringList> listLines(const Profile& profile, const std::vector<Section>& sections,
                               const QString& fileName)
{
    const Section* section = findSection(sections, fileName);
    if (!section) {
        return Outcome<QStringList>::failure(u"the list "_s + fileName + u" is missing"_s);
    }
    QStringList lines;
    for (qsizetype i = 0; i < section->keys.size(); ++i) {
        const QString expected = kLineKey + QString::number(i + 1);
        if (!sameName(section->keys.at(i), expected)) {
            return Outcome<QStringList>::failure(u"the list "_s + fileName + u" holds "_s +
                                                 section->keys.at(i) + u" where "_s + expected +
                                                 u" belongs"_s);
        }
        lines.append(profile.read(fileName, expected, QString()));
    }
    return lines;
}

Result readLists(const Profile& profile, const std::vector<Section>& sections, const QString& kind,
                 WorkingCopy& staged)
{
    qsizetype items = -1;
    QStringList lengths;
    bool uneven = false;
    for (const catalog::ListFileSpec& list : catalog::kindKeys(kind).lists) {
        Outcome<QStringList> lines = listLines(profile, sections, list.name());
        if (!lines) {
            return lines.result();
        }
        if (list.form == catalog::ListForm::Tree) {
            const MenuTree tree = parseTree(*lines).tree;
            staged.tree(list.id) = tree.topLevel.empty() ? MenuTree::withRoot() : tree;
            continue;
        }
        uneven = uneven || (items >= 0 && lines->size() != items);
        items = lines->size();
        lengths.append(list.name() + u": "_s + QString::number(items));
        staged.list(list.id) = std::move(lines).value();
    }
    if (uneven) {
        return Result::failure(u"its item lists do not have the same length ("_s +
                               lengths.join(u", "_s) + u')');
    }
    return Result::success();
}

Result refused(const QString& path, const QString& problem)
{
    return Result::failure(u"Can't read the settings in "_s + path + u": "_s + problem + u'.');
}

} // namespace

QString kindFileText(const QString& kind, const WorkingCopy& copy, const Profile& installed)
{
    Profile file;
    writeKindValues(file, installed, kind, copy);
    QString text = file.toText();
    for (const catalog::ListFileSpec& list : catalog::kindKeys(kind).lists) {
        const QStringList lines = list.form == catalog::ListForm::Tree
                                      ? treeLines(copy.tree(list.id))
                                      : copy.list(list.id);
        text += u"\r\n["_s + list.name() + u"]\r\n"_s;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            text += kLineKey + QString::number(i + 1) + u'=' + quoteValueIfNeeded(lines.at(i)) +
                    u"\r\n"_s;
        }
    }
    return text;
}

Result applyKindFile(const QString& path, const QString& text, const QString& kind,
                     WorkingCopy& copy, const ValueCheck& check)
{
    if (looksBinary(text)) {
        return refused(path, u"it holds binary data, not settings"_s);
    }
    const Outcome<std::vector<Section>> sections = scanSections(text);
    if (!sections) {
        return refused(path, sections.message());
    }
    if (Result known = checkSections(*sections, kind); !known) {
        return refused(path, known.message);
    }
    const Profile profile = Profile::fromText(text);
    if (Result forms = checkKindKeys(profile, kind, *findSection(*sections, kind)); !forms) {
        return refused(path, forms.message);
    }
    WorkingCopy staged = copy;
    readKindValues(profile, kind, staged);
    if (Result lists = readLists(profile, *sections, kind, staged); !lists) {
        return refused(path, lists.message);
    }
    if (check) {
        if (Result valid = check(staged); !valid) {
            return refused(path, valid.message);
        }
    }
    copy = std::move(staged);
    return Result::success();
}

Result importKindFile(const QString& path, const QString& within, const QString& kind,
                      WorkingCopy& copy, const ValueCheck& check)
{
    const Outcome<Descriptor> file = openForReading(path, within);
    if (!file) {
        return file.result();
    }
    if (!file->isOpen()) {
        return Result::failure(u"Can't find the file: "_s + path);
    }
    const Outcome<QByteArray> bytes = readUpTo(*file, kMaxKindFileSize + 1);
    if (!bytes) {
        return Result::failure(openFailure(path, bytes.message()));
    }
    if (bytes->size() > kMaxKindFileSize) {
        return refused(path, u"the file is larger than %1 MB"_s.arg(kMaxKindFileSize >> 20));
    }
    if (bytes->contains('\0')) {
        return refused(path, u"it holds binary data, not settings"_s);
    }
    return applyKindFile(path, decodeText(*bytes), kind, copy, check);
}

Outcome<QString> kindFileTextFor(const QString& appDir, const QString& kind,
                                 const WorkingCopy& copy)
{
    const Outcome<Profile> installed = Profile::load(profilePath(appDir), appDir);
    if (!installed) {
        return installed.result();
    }
    QString text = kindFileText(kind, copy, *installed);
    if (encodeText(text).size() > kMaxKindFileSize) {
        return Outcome<QString>::failure(u"The settings of "_s + kind +
                                         u" are larger than %1 MB and can't be kept in a file of "
                                         "their own."_s.arg(kMaxKindFileSize >> 20));
    }
    return text;
}

Result exportKindFile(const QString& appDir, const QString& path, const QString& kind,
                      const WorkingCopy& copy)
{
    const Outcome<QString> text = kindFileTextFor(appDir, kind, copy);
    if (!text) {
        return text.result();
    }
    return writeText(path, *text, /*chosen by the user*/ {});
}

} // namespace morvane::settings
