#include "ui/page/ParameterPage.h"

#include "generator/FieldRules.h"
#include "settings/ShippedValues.h"
#include "ui/page/CommonSections.h"
#include "ui/page/FieldBinder.h"
#include "ui/page/FieldMarks.h"
#include "ui/page/KindSections.h"
#include "ui/page/PageLayout.h"
#include "ui/page/PresetBar.h"
#include "ui/page/SectionBuilder.h"
#include "ui/page/SectionPanel.h"

#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QResizeEvent>
#include <QScrollBar>

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace morvane::ui {

using namespace page;
using catalog::CommonParameter;

namespace {

QLabel* newLabel(const QString& text, const QString& name, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->adjustSize();
    return label;
}

LabelSize sizeOf(const QWidget* widget)
{
    return {widget->width(), widget->height()};
}

void place(QWidget* widget, QPoint at)
{
    widget->move(at);
}

void placeSection(QWidget* section, const SectionPlacement& placement)
{
    section->move(placement.left, placement.top.value_or(section->y()));
    section->setEnabled(placement.shown);
}

// Where the title's font is missing, a look-alike chosen by the font system can be a script
// face; the program's own font reads better.
QFont titleFont()
{
    const QString family = u"Comic Sans MS"_s;
    QFont font(family, 12);
    if (QFontInfo(font).family() != family) {
        font.setFamily(QApplication::font().family());
    }
    return font;
}

// Headings are bold unless that makes them wider than the page, as the longest kind names can
// at a large font.
void fitHeading(QLabel* heading, int clientWidth)
{
    QFont font = heading->font();
    font.setBold(true);
    heading->setFont(font);
    heading->adjustSize();
    if (heading->width() > clientWidth) {
        font.setBold(false);
        heading->setFont(font);
        heading->adjustSize();
    }
}

QString step3HeadingText(const QString& kind)
{
    return u"-- Step3 : "_s + kind + u" specific parameters (required) --"_s;
}

} // namespace

struct ParameterPage::Private {
    struct SpecificSection {
        QString kind;
        SectionPanel* panel;
        std::unique_ptr<FieldBinder> binder;
    };

    explicit Private(const PageContext& pageContext)
        : context(pageContext)
        , commonBinder(context.copy, QString())
    {}

    PageContext context;
    FieldBinder commonBinder;

    QWidget* content = nullptr;
    QLabel* title = nullptr;
    QLabel* step1Heading = nullptr;
    QLabel* step2Heading = nullptr;
    QLabel* step3Heading = nullptr;
    QLabel* step2None = nullptr;
    QLabel* step3None = nullptr;
    std::array<SectionPanel*, catalog::kCommonParameterCount> common{};
    std::vector<SpecificSection> specific; // in the order they were built
    QString kind;
    catalog::Support support;
    page::PresetBar* presetBar = nullptr;
    std::vector<generator::PageFieldRule> rules; // of the assembled kind
    FieldMarks marks;

    SectionPanel* specificPanel(const QString& ofKind) const
    {
        for (const SpecificSection& section : specific) {
            if (section.kind == ofKind) {
                return section.panel;
            }
        }
        return nullptr;
    }
};

ParameterPage::ParameterPage(const PageContext& context, QWidget* parent)
    : QScrollArea(parent)
    , d(std::make_unique<Private>(context))
{
    setObjectName(u"parameterPage"_s);
    // Tab goes straight to the first field; a click still gives the page the keys that scroll.
    setFocusPolicy(Qt::ClickFocus);
    resize(kWidth, kHeight);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setWidgetResizable(false);
    verticalScrollBar()->setSingleStep(kArrowStep);
    verticalScrollBar()->setTracking(true);
    d->commonBinder.setChangeHandler([this] {
        refreshMarks();
        Q_EMIT changed();
    });
    d->commonBinder.setDefaults([this] { return settings::shippedValues(d->kind).common(); },
                                [this] { Q_EMIT aboutToReplace(); });
    d->presetBar = new PresetBar(
        d->context, [this](const PresetBar::Change& change) { replaceValues(change); }, this);
    setViewportMargins(0, d->presetBar->sizeHint().height(), 0, 0);
    placePresetBar();
    // The scroll bar comes and goes with the page's length, and the strip makes room for it.
    connect(verticalScrollBar(), &QScrollBar::rangeChanged, this, [this] { placePresetBar(); });
}

ParameterPage::~ParameterPage()
{
    // The widgets go first: their connections refer to the binders.
    delete takeWidget();
}

void ParameterPage::ensureBuilt()
{
    if (d->content) {
        return;
    }
    d->content = new QWidget;
    d->content->setObjectName(u"pageContent"_s);
    QWidget* content = d->content;

    d->title = newLabel(QString(), u"pageTitle"_s, content);
    d->title->setFont(titleFont());

    d->step1Heading = newLabel(u"-- Step 1 : General properties --"_s, u"step1Heading"_s, content);
    d->step2Heading = newLabel(u"-- Step 2 : Mouse events --"_s, u"step2Heading"_s, content);
    d->step3Heading = newLabel(u"-- Specific parameters --"_s, u"step3Heading"_s, content);
    for (QLabel* heading : {d->step1Heading, d->step2Heading, d->step3Heading}) {
        fitHeading(heading, clientWidth());
    }
    d->step2None = newLabel(u"none"_s, u"step2None"_s, content);
    d->step3None = newLabel(u"none"_s, u"step3None"_s, content);
    d->step2None->hide();
    d->step3None->hide();

    for (const catalog::CommonParameterInfo& info : catalog::commonParameters()) {
        const auto index = static_cast<size_t>(info.id);
        d->common[index] =
            buildSection(commonSection(info.id), QString::fromUtf16(info.sectionTitle), QString(),
                         d->context, d->commonBinder, content);
    }
    content->resize(clientWidth(), kHeight);
    setWidget(content);
}

SectionPanel* ParameterPage::ensureSpecificSection(const QString& kind)
{
    for (const Private::SpecificSection& section : d->specific) {
        if (section.kind == kind) {
            return section.panel;
        }
    }
    const SectionLayout* layout = SpecificSectionRegistry::find(kind);
    if (!layout) {
        return nullptr;
    }
    auto binder = std::make_unique<FieldBinder>(d->context.copy, kind);
    binder->setChangeHandler([this] {
        refreshMarks();
        Q_EMIT changed();
    });
    binder->setDefaults([kind] { return settings::shippedValues(kind).specific(kind); },
                        [this] { Q_EMIT aboutToReplace(); });
    SectionPanel* panel = buildSection(*layout, QString(), kind, d->context, *binder, d->content);
    panel->move(kPutAwayLeft, 0);
    panel->setEnabled(false);
    panel->show();
    d->specific.push_back({kind, panel, std::move(binder)});
    return panel;
}

int ParameterPage::clientWidth() const
{
    return width() - 2 * frameWidth() - verticalScrollBar()->sizeHint().width();
}

int ParameterPage::visibleHeight() const
{
    return height() - 2 * frameWidth() - viewportMargins().top();
}

void ParameterPage::placePresetBar()
{
    // Beside the page's scroll bar, which runs the whole height, not under it.
    const QScrollBar* bar = verticalScrollBar();
    const int scrollBarWidth = bar->isVisibleTo(this) ? bar->width() : 0;
    d->presetBar->setGeometry(frameWidth(), frameWidth(),
                              width() - 2 * frameWidth() - scrollBarWidth, viewportMargins().top());
}

void ParameterPage::loadFromCopy(const QString& kind)
{
    ensureBuilt();
    d->commonBinder.load();
    if (ensureSpecificSection(kind)) {
        for (const Private::SpecificSection& section : d->specific) {
            if (section.kind == kind) {
                section.binder->load();
            }
        }
    }
    refreshMarks();
}

void ParameterPage::assemble(const QString& kind, const catalog::Support& support)
{
    ensureBuilt();
    ensureSpecificSection(kind);
    d->kind = kind;
    d->support = support;
    d->title->setText(u"- "_s + kind + u" configuration -"_s);
    d->title->adjustSize();
    d->step3Heading->setText(step3HeadingText(kind));
    fitHeading(d->step3Heading, clientWidth());

    PageLayoutInput input;
    input.kind = kind;
    input.support = support;
    input.clientWidth = clientWidth();
    input.title = sizeOf(d->title);
    input.step1Heading = sizeOf(d->step1Heading);
    input.step2Heading = sizeOf(d->step2Heading);
    input.step3Heading = sizeOf(d->step3Heading);
    input.step2None = sizeOf(d->step2None);
    input.step3None = sizeOf(d->step3None);
    for (size_t index = 0; index < d->common.size(); ++index) {
        input.commonHeights[index] = d->common[index]->height();
    }
    for (const Private::SpecificSection& section : d->specific) {
        const int laidOut = section.panel->height() - section.panel->extraHeight();
        input.specificSections.append({section.kind, laidOut});
    }

    // The sections take the room a page wider than usual gives.
    const int sectionWidth = SectionPanel::kWidth + std::max(0, width() - kWidth);
    for (SectionPanel* section : d->common) {
        section->setWidth(sectionWidth);
    }
    for (const Private::SpecificSection& section : d->specific) {
        section.panel->setWidth(sectionWidth);
    }

    const PageLayout layout = computePageLayout(input);
    place(d->title, layout.title);
    place(d->step1Heading, layout.step1Heading);
    place(d->step2Heading, layout.step2Heading);
    place(d->step3Heading, layout.step3Heading);
    for (size_t index = 0; index < d->common.size(); ++index) {
        placeSection(d->common[index], layout.common[index]);
    }
    for (size_t index = 0; index < d->specific.size(); ++index) {
        placeSection(d->specific[index].panel, layout.specific[qsizetype(index)]);
    }
    d->step2None->setVisible(layout.step2None.has_value());
    if (layout.step2None) {
        place(d->step2None, *layout.step2None);
    }
    d->step3None->setVisible(layout.step3None.has_value());
    if (layout.step3None) {
        place(d->step3None, *layout.step3None);
    }
    // The kind's list editors take the height a tall page leaves free below its last section.
    int scrollRange = layout.scrollRange;
    for (const Private::SpecificSection& section : d->specific) {
        const int spare = section.kind == kind ? visibleHeight() - layout.scrollRange : 0;
        section.panel->setExtraHeight(spare);
        if (section.kind == kind) {
            scrollRange += section.panel->extraHeight();
        }
    }
    d->content->resize(input.clientWidth, scrollRange);
    d->rules = generator::fieldRules(kind, support);
    d->presetBar->showKind(kind, support);
    refreshMarks();
}

// Labels are centred in the width the page has, list editors take its spare height: a new size
// lays the page out again.
void ParameterPage::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    placePresetBar();
    const bool taller = event->size().height() != event->oldSize().height();
    if (d->content && !d->kind.isEmpty() && (taller || d->content->width() != clientWidth())) {
        assemble(d->kind, d->support);
    }
}

void ParameterPage::scrollToTop()
{
    ensureBuilt();
    verticalScrollBar()->setValue(0);
}

// The range is set here too: a page that is not shown yet has no up-to-date scroll bar.
void ParameterPage::scrollIntoView(const QWidget* section)
{
    QScrollBar* bar = verticalScrollBar();
    bar->setMaximum(std::max(0, d->content->height() - visibleHeight()));
    const int top = section->y();
    const int bottom = top + section->height();
    if (top < bar->value()) {
        bar->setValue(top);
    } else if (bottom > bar->value() + visibleHeight()) {
        bar->setValue(bottom - visibleHeight());
    }
}

void ParameterPage::scrollToCommonSection(CommonParameter parameter)
{
    ensureBuilt();
    scrollIntoView(d->common[static_cast<size_t>(parameter)]);
}

void ParameterPage::scrollToSpecificSection()
{
    ensureBuilt();
    for (const Private::SpecificSection& section : d->specific) {
        if (section.kind == d->kind) {
            scrollIntoView(section.panel);
            return;
        }
    }
}

QString ParameterPage::assembledKind() const
{
    return d->kind;
}

page::PresetBar* ParameterPage::presetBar() const
{
    return d->presetBar;
}

void ParameterPage::replaceValues(const std::function<Result(settings::WorkingCopy&)>& change)
{
    if (d->kind.isEmpty()) {
        return;
    }
    Q_EMIT aboutToReplace();
    if (const Result changedValues = change(d->context.copy); !changedValues) {
        d->context.services.messages.showError(window(), changedValues.message);
        return;
    }
    loadFromCopy(d->kind);
    Q_EMIT changed();
}

void ParameterPage::refreshMarks()
{
    if (!d->content || d->kind.isEmpty()) {
        return;
    }
    const SectionPanel* specific = d->specificPanel(d->kind);
    const settings::WorkingCopy& copy = d->context.copy;
    d->marks.update(d->rules, copy, d->kind, d->context.appDir,
                    [&](const generator::PageFieldRule& fieldRule) -> QWidget* {
                        if (!fieldRule.common) {
                            return FieldMarks::fieldIn(specific, fieldRule, d->kind);
                        }
                        for (const SectionPanel* section : d->common) {
                            if (QWidget* field = FieldMarks::fieldIn(section, fieldRule, d->kind)) {
                                return field;
                            }
                        }
                        return nullptr;
                    });
}

} // namespace morvane::ui
