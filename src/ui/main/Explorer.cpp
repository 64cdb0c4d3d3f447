#include "ui/main/Explorer.h"

#include "catalog/Catalog.h"
#include "catalog/Kinds.h"
#include "ui/Icons.h"
#include "ui/main/ExplorerActions.h"
#include "ui/main/HelpPages.h"
#include "ui/main/HotTrackDelegate.h"
#include "ui/main/TextWidth.h"

#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>

using namespace Qt::StringLiterals;

namespace morvane::ui {

namespace {

// A node's own picture, and the top-level picture while it is selected.
QIcon nodeIcon(ExplorerIcon own)
{
    QIcon icon;
    const QIcon normal = explorerIcon(own);
    const QIcon selected = explorerIcon(ExplorerIcon::TopLevel);
    icon.addPixmap(normal.pixmap(16), QIcon::Normal);
    icon.addPixmap(selected.pixmap(16), QIcon::Selected);
    return icon;
}

QTreeWidgetItem* addNode(QTreeWidgetItem* parent, const QString& text, const QIcon& icon)
{
    auto* item = new QTreeWidgetItem(parent, QStringList{text});
    item->setIcon(0, icon);
    return item;
}

} // namespace

Explorer::Explorer(const catalog::ProfileReader& profile, QWidget* parent)
    : QTreeWidget(parent)
    , m_hotTrack(new HotTrackDelegate(this))
{
    setObjectName(u"explorer"_s);
    setColumnCount(1);
    setHeaderHidden(true);
    setIndentation(19);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformRowHeights(true);
    setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_Hover);
    setItemDelegate(m_hotTrack);

    const QIcon top = nodeIcon(ExplorerIcon::TopLevel);
    const QIcon item = nodeIcon(ExplorerIcon::Item);
    const QIcon section = nodeIcon(ExplorerIcon::Section);

    auto* applets = new QTreeWidgetItem(QStringList{appletsNodeText});
    auto* help = new QTreeWidgetItem(QStringList{helpNodeText});
    auto* home = new QTreeWidgetItem(QStringList{homePageNodeText});
    for (QTreeWidgetItem* node : {applets, help, home}) {
        node->setIcon(0, top);
    }
    for (const QString& kind : catalog::kindNames()) {
        QTreeWidgetItem* kindItem = addNode(applets, kind, item);
        for (const QString& node : sectionNodes(catalog::supportOf(profile, kind))) {
            addNode(kindItem, node, section);
        }
    }
    for (const HelpPageInfo& page : helpPages()) {
        addNode(help, QString::fromUtf16(page.explorerNode), item);
    }
    addTopLevelItems({applets, help, home});

    connect(this, &QTreeWidget::itemPressed, this, &Explorer::onItemPressed);
    setHotTracking(true);
}

QTreeWidgetItem* Explorer::kindNode(const QString& kind) const
{
    const int index = catalog::kindIndex(kind);
    return index < 0 ? nullptr : appletsNode()->child(index);
}

void Explorer::selectNodesWithText(const QString& text)
{
    for (QTreeWidgetItemIterator it(this); *it; ++it) {
        if ((*it)->text(0) == text) {
            setCurrentItem(*it);
        }
    }
}

int Explorer::widthForAllTexts() const
{
    const QFontMetricsF metrics(font());
    constexpr int kIconAndGaps = 16 + 12;
    int widest = 0;
    // Each kind repeats the same section names: measured once each, the start is quicker.
    QHash<QString, int> advances;
    const auto advanceOf = [&](const QString& text) {
        auto known = advances.constFind(text);
        if (known == advances.constEnd()) {
            known = advances.insert(text, letterAdvancesWidth(metrics, text));
        }
        return *known;
    };
    const auto measure = [&](const auto& self, const QTreeWidgetItem* item, int depth) -> void {
        widest = qMax(widest, depth * indentation() + kIconAndGaps + advanceOf(item->text(0)));
        for (int i = 0; i < item->childCount(); ++i) {
            self(self, item->child(i), depth + 1);
        }
    };
    for (int i = 0; i < topLevelItemCount(); ++i) {
        measure(measure, topLevelItem(i), 1);
    }
    return widest + 2 * frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

int Explorer::widthForTopTexts() const
{
    const QFontMetricsF metrics(font());
    constexpr int kIconAndGaps = 16 + 12;
    int widest = 0;
    for (const QTreeWidgetItem* node : {appletsNode(), helpNode()}) {
        widest = qMax(widest, letterAdvancesWidth(metrics, node->text(0)));
    }
    return indentation() + kIconAndGaps + widest + 2 * frameWidth() +
           style()->pixelMetric(QStyle::PM_ScrollBarExtent);
}

void Explorer::setHotTracking(bool on)
{
    m_hotTrack->setEnabled(on);
    viewport()->update();
}

bool Explorer::hotTracking() const
{
    return m_hotTrack->isEnabled();
}

void Explorer::keyPressEvent(QKeyEvent* event)
{
    if (currentItem() && isActivationKey(event)) {
        onItemPressed(currentItem());
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void Explorer::onItemPressed(QTreeWidgetItem* item)
{
    QTreeWidgetItem* selected = currentItem() ? currentItem() : item;
    QTreeWidgetItem* parentItem = selected->parent();
    Q_EMIT nodePressed(selected->text(0), parentItem ? parentItem->text(0) : QString());
}

} // namespace morvane::ui
