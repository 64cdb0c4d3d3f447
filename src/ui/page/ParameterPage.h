#pragma once

#include "base/Result.h"
#include "catalog/Catalog.h"
#include "catalog/CommonParameters.h"
#include "ui/page/PageContext.h"

#include <QScrollArea>
#include <QString>

#include <functional>
#include <memory>

namespace morvane::ui {

namespace page {
class PresetBar;
class SectionPanel;
} // namespace page

// The one parameter page shared by every kind: the eleven common sections and the kinds'
// specific sections, stacked under three step headings by assemble(). Every edit is written
// to the working copy at once. The widgets are created when the page is first loaded,
// assembled or scrolled, and a kind's specific section when that kind is first loaded.
// changed() follows every edit of a field, list or tree, never a load. A field whose value the
// generator would refuse is framed in red with what it allows below it.
class ParameterPage final : public QScrollArea {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ParameterPage)

public:
    static constexpr int kWidth = 449;
    static constexpr int kHeight = 369;
    static constexpr int kArrowStep = 32;

    explicit ParameterPage(const PageContext& context, QWidget* parent = nullptr);
    ~ParameterPage() override;

    // Fills the common fields and the kind's specific section from the working copy; call it
    // after the settings store has loaded the kind.
    void loadFromCopy(const QString& kind);
    // Lays the page out for the kind: the sections it uses are stacked and enabled, the others
    // put away and disabled. Field contents are never changed.
    void assemble(const QString& kind, const catalog::Support& support);

    void scrollToTop();
    // Scrolls just enough to bring the section into view.
    void scrollToCommonSection(catalog::CommonParameter parameter);
    // The assembled kind's specific section; nothing for a kind without one.
    void scrollToSpecificSection();

    // The kind of the last assembly; empty before the first.
    QString assembledKind() const;

    page::PresetBar* presetBar() const;
    // Applies `change` to the working copy as one step: aboutToReplace() first, then, when it
    // succeeds, the page shows the new values and tells changed(); a failure is shown and changes
    // nothing.
    void replaceValues(const std::function<Result(settings::WorkingCopy&)>& change);

Q_SIGNALS:
    void changed();
    // Before a preset, an import or a reset replaces values: an edit still pending is a step of
    // its own.
    void aboutToReplace();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void ensureBuilt();
    page::SectionPanel* ensureSpecificSection(const QString& kind);
    int clientWidth() const;
    int visibleHeight() const;
    void scrollIntoView(const QWidget* section);
    void placePresetBar();
    void refreshMarks();

    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace morvane::ui
