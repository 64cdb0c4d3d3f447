#pragma once

#include "base/Result.h"
#include "catalog/Catalog.h"
#include "settings/WorkingCopy.h"
#include "ui/page/PageContext.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

class QComboBox;
class QPushButton;

namespace morvane::ui::page {

// The strip above the page that keeps several settings of the current kind: the kind's presets
// to load, "Save as preset...", and a menu to rename or delete the chosen one, export the
// settings to a file of their own or import them from one. Whatever replaces the values goes
// through `replace`, which applies it to the working copy all or nothing and shows the result.
class PresetBar final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PresetBar)

public:
    using Change = std::function<Result(settings::WorkingCopy&)>;
    using Replace = std::function<void(const Change&)>;
    // Asks for a name: the dialog's title, its question and the proposed name; none if cancelled.
    using NamePrompt = std::function<std::optional<QString>(QWidget*, const QString&,
                                                            const QString&, const QString&)>;

    PresetBar(const PageContext& context, Replace replace, QWidget* parent = nullptr);

    // Lists the kind's presets; `support` decides which common values an import checks.
    void showKind(const QString& kind, const catalog::Support& support);
    void setNamePrompt(NamePrompt prompt) { m_prompt = std::move(prompt); }

    void loadChosen();
    void saveAsPreset();
    void renameChosen();
    void deleteChosen();
    void exportSettings();
    void importSettings();

private:
    QString chosen() const;
    void refresh(const QString& select = QString());
    std::optional<QString> askName(const QString& title, const QString& initial);
    bool report(const Result& result);

    PageContext m_context;
    Replace m_replace;
    NamePrompt m_prompt;
    QString m_kind;
    catalog::Support m_support;
    QComboBox* m_list;
    QPushButton* m_load;
    QPushButton* m_more;
};

} // namespace morvane::ui::page
