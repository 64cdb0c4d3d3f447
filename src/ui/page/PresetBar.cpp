#include "ui/page/PresetBar.h"

#include "generator/FieldRules.h"
#include "platform/PathRules.h"
#include "settings/KindFile.h"
#include "settings/Presets.h"
#include "ui/Icons.h"
#include "ui/publish/PublishCommand.h"

#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace morvane::ui::page {
namespace {

const QString kSettingsFilter = u"Settings files (*.ini)|*.ini|All files (*.*)|*.*"_s;

std::optional<QString> askWithDialog(QWidget* parent, const QString& title, const QString& label,
                                     const QString& initial)
{
    bool ok = false;
    const QString name =
        QInputDialog::getText(parent, title, label, QLineEdit::Normal, initial, &ok);
    return ok ? std::optional<QString>(name) : std::nullopt;
}

QPushButton* newButton(const QString& text, const QString& name, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

} // namespace

PresetBar::PresetBar(const PageContext& context, Replace replace, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
    , m_replace(std::move(replace))
    , m_prompt(askWithDialog)
    , m_list(new QComboBox(this))
    , m_load(newButton(u"Load"_s, u"loadPreset"_s, this))
    , m_more(newButton(u"Presets"_s, u"presetMenu"_s, this))
{
    setObjectName(u"presetBar"_s);
    m_list->setObjectName(u"presetList"_s);
    m_list->setAccessibleName(u"Presets of this applet"_s);
    m_list->setPlaceholderText(u"No preset"_s);
    // The list takes what the buttons leave, so that the strip fits the narrowest page.
    m_list->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    m_list->setMinimumWidth(m_list->fontMetrics().horizontalAdvance(u"No preset"_s));
    m_load->setToolTip(u"Put the chosen preset's settings on the page"_s);
    QPushButton* save = newButton(u"Save as preset..."_s, u"savePreset"_s, this);

    auto* menu = new QMenu(m_more);
    menu->setObjectName(u"presetActions"_s);
    menu->addAction(u"Rename..."_s, this, &PresetBar::renameChosen)
        ->setObjectName(u"renamePreset"_s);
    menu->addAction(u"Delete"_s, this, &PresetBar::deleteChosen)->setObjectName(u"deletePreset"_s);
    menu->addSeparator();
    menu->addAction(u"Export..."_s, this, &PresetBar::exportSettings)
        ->setObjectName(u"exportSettings"_s);
    menu->addAction(u"Import..."_s, this, &PresetBar::importSettings)
        ->setObjectName(u"importSettings"_s);
    m_more->setMenu(menu);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(4);
    row->addWidget(m_list, 1);
    row->addWidget(m_load);
    row->addWidget(save);
    row->addWidget(m_more);
    // The code without a trip through the HTML window, for an author pasting it into a page; a
    // picture alone, as the strip has no room for one more caption.
    auto* copy = new QToolButton(this);
    copy->setObjectName(u"copyCode"_s);
    copy->setIcon(toolIcon(ToolIcon::CopyHtml));
    copy->setText(u"Copy code"_s);
    copy->setAccessibleName(u"Copy code"_s);
    copy->setToolTip(u"Copy code: the applet's code into the clipboard"_s);
    row->addWidget(copy);
    connect(copy, &QToolButton::clicked, this, [this] {
        copyAppletCode(m_context.services, window(),
                       {m_kind, m_context.copy, m_support, m_context.appDir,
                        m_context.options.runtime, m_context.options.markup});
    });

    connect(m_load, &QPushButton::clicked, this, &PresetBar::loadChosen);
    connect(save, &QPushButton::clicked, this, &PresetBar::saveAsPreset);
}

void PresetBar::showKind(const QString& kind, const catalog::Support& support)
{
    m_kind = kind;
    m_support = support;
    refresh();
}

QString PresetBar::chosen() const
{
    return m_list->currentIndex() < 0 ? QString() : m_list->currentText();
}

// A folder that cannot be read shows no preset; saying why waits until the user acts on one.
void PresetBar::refresh(const QString& select)
{
    const QStringList names =
        settings::listPresets(m_context.appDir, m_kind).valueOr(QStringList());
    m_list->clear();
    m_list->addItems(names);
    m_list->setCurrentIndex(int(names.indexOf(select)));
    const bool any = !names.isEmpty();
    m_list->setEnabled(any);
    m_load->setEnabled(any);
    for (QAction* action : m_more->menu()->actions()) {
        if (action->objectName() == u"renamePreset" || action->objectName() == u"deletePreset") {
            action->setEnabled(any);
        }
    }
}

bool PresetBar::report(const Result& result)
{
    if (!result) {
        m_context.services.messages.showError(window(), result.message);
    }
    return result.ok;
}

std::optional<QString> PresetBar::askName(const QString& title, const QString& initial)
{
    const std::optional<QString> name =
        m_prompt(window(), title, u"Name of the preset:"_s, initial);
    if (!name) {
        return std::nullopt;
    }
    if (const QString problem = settings::presetNameProblem(*name); !problem.isEmpty()) {
        report(Result::failure(problem));
        return std::nullopt;
    }
    return name;
}

void PresetBar::loadChosen()
{
    const QString name = chosen();
    if (name.isEmpty()) {
        return;
    }
    const settings::ValueCheck check = generator::importCheck(m_kind, m_support);
    m_replace([&](settings::WorkingCopy& copy) {
        return settings::loadPreset(m_context.appDir, m_kind, name, copy, check).result();
    });
}

void PresetBar::saveAsPreset()
{
    const std::optional<QString> name = askName(u"Save as preset"_s, chosen());
    if (!name) {
        return;
    }
    auto existing = settings::Existing::Keep;
    if (settings::listPresets(m_context.appDir, m_kind).valueOr({}).contains(*name)) {
        if (!m_context.services.messages.askYesNo(
                window(), u"A preset named \""_s + *name + u"\" already exists. Replace it?"_s)) {
            return;
        }
        existing = settings::Existing::Replace;
    }
    if (report(settings::savePreset(m_context.appDir, m_kind, *name, m_context.copy, existing))) {
        refresh(*name);
    }
}

void PresetBar::renameChosen()
{
    const QString from = chosen();
    if (from.isEmpty()) {
        return;
    }
    const std::optional<QString> to = askName(u"Rename the preset"_s, from);
    if (to && report(settings::renamePreset(m_context.appDir, m_kind, from, *to))) {
        refresh(*to);
    }
}

void PresetBar::deleteChosen()
{
    const QString name = chosen();
    if (name.isEmpty() || !m_context.services.messages.askYesNo(
                              window(), u"Delete the preset \""_s + name + u"\"?"_s)) {
        return;
    }
    report(settings::deletePreset(m_context.appDir, m_kind, name));
    refresh();
}

void PresetBar::exportSettings()
{
    QString path = m_context.services.files.getSaveFileName(
        window(), u"Export the settings of "_s + m_kind, m_context.options.destinationFolder,
        m_kind + u".ini"_s, kSettingsFilter);
    if (path.isEmpty()) {
        return;
    }
    path = platform::appendExtensionIfMissing(path, u".ini"_s);
    report(settings::exportKindFile(m_context.appDir, path, m_kind, m_context.copy));
}

void PresetBar::importSettings()
{
    const QString path = m_context.services.files.getOpenFileName(
        window(), u"Import the settings of "_s + m_kind, m_context.options.destinationFolder,
        kSettingsFilter);
    if (path.isEmpty()) {
        return;
    }
    const settings::ValueCheck check = generator::importCheck(m_kind, m_support);
    m_replace([&](settings::WorkingCopy& copy) {
        return settings::importKindFile(path, QString(), m_kind, copy, check);
    });
}

} // namespace morvane::ui::page
