#include "ui/main/AppletsList.h"

#include "catalog/Catalog.h"
#include "catalog/Kinds.h"
#include "ui/main/HotTrackDelegate.h"
#include "ui/main/TextWidth.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

using namespace Qt::StringLiterals;

namespace morvane::ui {

namespace {

// Escape empties the field before it reaches anything else.
class SearchField final : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Escape && !text().isEmpty()) {
            clear();
            event->accept();
            return;
        }
        QLineEdit::keyPressEvent(event);
    }
};

// The column captions with the search field above them: the list reserves the header's height
// for both, and the captions are drawn below the field.
class SearchHeader final : public QHeaderView {
public:
    explicit SearchHeader(QWidget* parent)
        : QHeaderView(Qt::Horizontal, parent)
        , m_field(new SearchField(this))
    {
        setViewportMargins(0, fieldHeight(), 0, 0);
    }

    QLineEdit* field() const { return m_field; }

    QSize sizeHint() const override { return QHeaderView::sizeHint() + QSize(0, fieldHeight()); }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QHeaderView::resizeEvent(event);
        m_field->setGeometry(0, 0, width(), fieldHeight());
    }

    // The captions cannot be clicked, so they are never drawn bold: measured in the list's own
    // font, they do not load a bold font at the start as a header's measure would.
    QSize sectionSizeFromContents(int logicalIndex) const override
    {
        QStyleOptionHeader option;
        initStyleOption(&option);
        option.section = logicalIndex;
        option.text = model()->headerData(logicalIndex, orientation()).toString();
        option.fontMetrics = fontMetrics();
        return style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), this);
    }

private:
    int fieldHeight() const { return m_field->sizeHint().height(); }

    QLineEdit* m_field;
};

bool matches(const QTreeWidgetItem* row, const QString& text)
{
    return row->text(0).contains(text, Qt::CaseInsensitive) ||
           row->text(1).contains(text, Qt::CaseInsensitive);
}

} // namespace

AppletsList::AppletsList(const catalog::ProfileReader& profile, QWidget* parent)
    : QTreeWidget(parent)
    , m_hotTrack(new HotTrackDelegate(this))
    , m_contextMenu(new QMenu(this))
    , m_viewSample(m_contextMenu->addAction(u"View sample"_s))
{
    setObjectName(u"appletsList"_s);
    auto* searchHeader = new SearchHeader(this);
    setHeader(searchHeader);
    m_search = searchHeader->field();
    // The scroll bar starts below the search field and the captions, beside the rows only.
    auto* aboveBar = new QWidget(this);
    aboveBar->setFixedHeight(searchHeader->sizeHint().height());
    addScrollBarWidget(aboveBar, Qt::AlignTop);
    m_search->setObjectName(u"appletsSearch"_s);
    m_search->setPlaceholderText(u"Search applets"_s);
    m_search->setAccessibleName(u"Search applets"_s);
    setColumnCount(2);
    setHeaderLabels({u"Applet name"_s, u"Description"_s});
    header()->setSectionsClickable(false);
    header()->setSectionsMovable(false);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_Hover);
    setItemDelegate(m_hotTrack);
    setAccessibleName(u"Applets"_s);

    QList<QTreeWidgetItem*> rows;
    rows.reserve(catalog::kKindCount);
    for (const QString& kind : catalog::kindNames()) {
        const QString description = catalog::description(profile, kind);
        auto* row = new QTreeWidgetItem(QStringList{kind, description});
        row->setToolTip(0, description);
        row->setToolTip(1, description);
        rows.append(row);
    }
    addTopLevelItems(rows);

    // Names whole, at least the classic width; the descriptions take the rest of the row and
    // end in "..." where they are longer (the whole one is the row's tool tip).
    const QFontMetricsF metrics(font());
    int widest = 100;
    for (const QTreeWidgetItem* row : std::as_const(rows)) {
        widest = qMax(widest, letterAdvancesWidth(metrics, row->text(0)) + 16);
    }
    setColumnWidth(0, widest);
    header()->setSectionResizeMode(1, QHeaderView::Stretch);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideRight);

    connect(m_search, &QLineEdit::textChanged, this, &AppletsList::filter);
    // The clear button shows only over a text: its picture is read once there is one, so the
    // start does not wait for it.
    connect(m_search, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!text.isEmpty()) {
            m_search->setClearButtonEnabled(true);
        }
    });
    connect(m_search, &QLineEdit::returnPressed, this, [this] {
        if (QTreeWidgetItem* best = bestMatch()) {
            activate(best);
        }
    });

    m_viewSample->setObjectName(u"viewSample"_s);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_contextMenu->popup(viewport()->mapToGlobal(at)); });
    connect(m_viewSample, &QAction::triggered, this, [this] {
        const QString kind = selectedKind();
        if (!kind.isEmpty()) {
            Q_EMIT viewSampleRequested(kind);
        }
    });
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this] {
        const QString kind = selectedKind();
        if (!kind.isEmpty()) {
            Q_EMIT kindActivated(kind);
        }
    });
    setHotTracking(true);
}

QString AppletsList::selectedKind() const
{
    const QList<QTreeWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.constFirst()->text(0);
}

void AppletsList::setHotTracking(bool on)
{
    m_hotTrack->setEnabled(on);
    viewport()->setCursor(on ? Qt::PointingHandCursor : Qt::ArrowCursor);
    viewport()->update();
}

bool AppletsList::hotTracking() const
{
    return m_hotTrack->isEnabled();
}

void AppletsList::focusSearch()
{
    m_search->setFocus(Qt::ShortcutFocusReason);
    m_search->selectAll();
}

void AppletsList::keyPressEvent(QKeyEvent* event)
{
    if (currentItem() && isActivationKey(event)) {
        activate(currentItem());
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

QTreeWidgetItem* AppletsList::bestMatch() const
{
    // A typed name wins over a description that mentions it ("zoom" opens Zoom, not a kind whose
    // text zooms); otherwise the first kind in catalog order.
    const QString wanted = m_search->text().trimmed();
    QTreeWidgetItem* best = nullptr;
    int bestRank = 3;
    for (int index = 0; index < topLevelItemCount(); ++index) {
        QTreeWidgetItem* item = topLevelItem(index);
        if (item->isHidden()) {
            continue;
        }
        const QString name = item->text(0);
        const int rank = name.compare(wanted, Qt::CaseInsensitive) == 0 ? 0
                         : name.startsWith(wanted, Qt::CaseInsensitive) ? 1
                         : name.contains(wanted, Qt::CaseInsensitive)   ? 2
                                                                        : 3;
        if (!best || rank < bestRank) {
            best = item;
            bestRank = rank;
        }
    }
    return best;
}

void AppletsList::filter(const QString& text)
{
    const QString wanted = text.trimmed();
    for (int index = 0; index < topLevelItemCount(); ++index) {
        QTreeWidgetItem* row = topLevelItem(index);
        row->setHidden(!matches(row, wanted));
    }
}

// The row becomes the selected one first, as a double-click leaves it.
void AppletsList::activate(QTreeWidgetItem* row)
{
    setCurrentItem(row);
    Q_EMIT kindActivated(row->text(0));
}

} // namespace morvane::ui
