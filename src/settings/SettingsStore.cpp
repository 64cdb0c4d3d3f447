#include "settings/SettingsStore.h"

#include "catalog/KeyTable.h"
#include "settings/FolderLock.h"
#include "settings/ListFiles.h"
#include "settings/Profile.h"
#include "settings/SaveJournal.h"
#include "settings/TextCodec.h"

#include <QDir>

#include <optional>

using namespace Qt::StringLiterals;

namespace morvane::settings {
namespace {

using catalog::ValueForm;

std::optional<int> toInt(const QString& text)
{
    // The number conversion stops at a NUL and would read another number.
    if (text.contains(QChar(0))) {
        return std::nullopt;
    }
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

ColorRef toColor(const QString& text, const QString& fallback)
{
    return static_cast<ColorRef>(toInt(text).value_or(toInt(fallback).value_or(0)));
}

std::optional<QString> presentCommonValue(const Profile& profile, const QString& kind,
                                          const QString& key)
{
    if (!profile.isPresent(kind, key)) {
        return std::nullopt;
    }
    return profile.read(kind, key, QString());
}

void loadCommonKeys(const Profile& profile, const QString& kind, ValueSet& values)
{
    for (const catalog::CommonKey& key : catalog::commonKeys()) {
        const QString name = key.name();
        const std::optional<QString> value = presentCommonValue(profile, kind, name);
        const QString absent = QString::fromUtf16(key.absentValue);
        switch (key.form) {
        case ValueForm::Text:
            values.setText(name, value.value_or(QString()));
            break;
        case ValueForm::Flag:
            values.setFlag(name, value == u"yes"_s);
            break;
        case ValueForm::Color:
            values.setColor(name, toColor(value.value_or(absent), absent));
            break;
        case ValueForm::Choice:
            break;
        }
    }
}

int clampChoice(int index, int buttons)
{
    if (index < 0) {
        return kNoChoice;
    }
    return std::min(index, buttons - 1);
}

void loadSpecificKeys(const Profile& profile, const QString& kind, ValueSet& values)
{
    for (const catalog::SettingKey& key : catalog::kindKeys(kind).keys) {
        const QString name = key.name();
        const QString fallback = key.defaultText();
        QString stored = profile.read(kind, name, fallback);
        if (key.fallbackKey && !profile.contains(kind, name)) {
            stored = profile.read(kind, QString::fromUtf16(key.fallbackKey), fallback);
        }
        switch (key.form) {
        case ValueForm::Text:
            values.setText(name, stored);
            break;
        case ValueForm::Color:
            values.setColor(name, toColor(stored, fallback));
            break;
        case ValueForm::Choice:
            values.setChoice(name, clampChoice(toInt(stored).value_or(toInt(fallback).value_or(0)),
                                               key.choiceCount()));
            break;
        case ValueForm::Flag:
            values.setFlag(name, stored == u"yes"_s);
            break;
        }
    }
}

QString storedText(ValueForm form, const ValueSet& values, const QString& key)
{
    switch (form) {
    case ValueForm::Text:
        return values.text(key);
    case ValueForm::Color:
        return QString::number(values.color(key));
    case ValueForm::Choice:
        return QString::number(values.choice(key));
    case ValueForm::Flag:
        return values.flag(key) ? u"yes"_s : u"no"_s;
    }
    return {};
}

} // namespace

void readKindValues(const Profile& profile, const QString& kind, WorkingCopy& copy)
{
    loadCommonKeys(profile, kind, copy.common());
    loadSpecificKeys(profile, kind, copy.specific(kind));
}

void writeKindValues(Profile& into, const Profile& present, const QString& kind,
                     const WorkingCopy& copy)
{
    const ValueSet& common = copy.common();
    for (const catalog::CommonKey& key : catalog::commonKeys()) {
        const QString name = key.name();
        if (!key.alwaysWritten && !presentCommonValue(present, kind, name)) {
            continue;
        }
        into.write(kind, name, storedText(key.form, common, name), catalog::absentMarker());
    }
    const ValueSet& specific = copy.specific(kind);
    for (const catalog::SettingKey& key : catalog::kindKeys(kind).keys) {
        into.write(kind, key.name(), storedText(key.form, specific, key.name()));
    }
}

QString profilePath(const QString& appDir)
{
    return QDir(appDir).filePath(u"morvane.ini"_s);
}

Outcome<KindLoad> loadKind(const QString& appDir, const QString& kind, WorkingCopy& copy)
{
    QStringList notices;
    if (!heldByAnotherProgram(appDir)) {
        if (const Result finished = finishInterruptedSave(appDir); !finished) {
            notices.append(finished.message);
        }
    }
    const Outcome<Profile> read = Profile::load(profilePath(appDir), appDir);
    if (!read) {
        return read.result();
    }
    const Profile& profile = read.value();

    WorkingCopy staged = copy;
    readKindValues(profile, kind, staged);
    const Outcome<QStringList> listNotices = loadListFiles(appDir, kind, staged);
    if (!listNotices) {
        return listNotices.result();
    }
    notices.append(listNotices.value());

    KindLoad load;
    load.notice = notices.join(u'\n');
    load.support = catalog::supportOf(profile, kind);
    copy = std::move(staged);
    return load;
}

Result saveKind(const QString& appDir, const QString& kind, const WorkingCopy& copy)
{
    if (kind.isEmpty()) {
        return Result::success();
    }
    // The load before this save told the user what could not be finished.
    finishInterruptedSave(appDir);
    Outcome<Profile> read = Profile::load(profilePath(appDir), appDir);
    if (!read) {
        return read.result();
    }
    Profile& profile = read.value();

    // A key is looked up before it is written, so the profile can tell what it held itself.
    writeKindValues(profile, profile, kind, copy);

    std::vector<PendingFile> files{{u"morvane.ini"_s, encodeText(profile.toText())}};
    for (PendingFile& list : listFileContents(kind, copy)) {
        files.push_back(std::move(list));
    }
    return writeFilesTogether(appDir, files);
}

} // namespace morvane::settings
