#include "ui/main/AppletsList.h"

#include "catalog/Catalog.h"
#include "catalog/Kinds.h"
#include "ui/main/HotTrackDelegate.h"

#include <QHeaderView>
#include <QMenu>

using namespace Qt::StringLiterals;

namespace morvane::ui {

AppletsList::AppletsList(const catalog::ProfileReader& profile, QWidget* parent)
    : QTreeWidget(parent)
    , m_hotTrack(new HotTrackDelegate(this))
    , m_contextMenu(new QMenu(this))
    , m_viewSample(m_contextMenu->addAction(u"View sample"_s))
{
    setObjectName(u"appletsList"_s);
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

    QList<QTreeWidgetItem*> rows;
    rows.reserve(catalog::kKindCount);
    for (const QString& kind : catalog::kindNames()) {
        rows.append(new QTreeWidgetItem(QStringList{kind, catalog::description(profile, kind)}));
    }
    addTopLevelItems(rows);

    // At least the classic widths, and wide enough that no name or description is cut short.
    const QFontMetrics metrics(font());
    int widest[2] = {100, 325};
    for (const QTreeWidgetItem* row : std::as_const(rows)) {
        for (int column = 0; column < 2; ++column) {
            widest[column] =
                qMax(widest[column], metrics.horizontalAdvance(row->text(column)) + 16);
        }
    }
    setColumnWidth(0, widest[0]);
    setColumnWidth(1, widest[1]);

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

} // namespace morvane::ui
