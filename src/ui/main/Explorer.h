#pragma once

#include "catalog/ProfileReader.h"

#include <QTreeWidget>

namespace morvane::ui {

class HotTrackDelegate;

// The tree on the left: "Applets" with a node per kind and its section nodes, "Help" with the
// help pages, and the maker's home page.
class Explorer final : public QTreeWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Explorer)

public:
    explicit Explorer(const catalog::ProfileReader& profile, QWidget* parent = nullptr);

    QTreeWidgetItem* appletsNode() const { return topLevelItem(0); }
    QTreeWidgetItem* helpNode() const { return topLevelItem(1); }
    QTreeWidgetItem* homePageNode() const { return topLevelItem(2); }
    QTreeWidgetItem* kindNode(const QString& kind) const;

    // Selects every node whose text is `text`; the last one stays selected. No action runs.
    void selectNodesWithText(const QString& text);
    // The width that shows every node's text whole, with the tree fully expanded.
    int widthForAllTexts() const;
    // The width that shows the texts of "Applets" and "Help" whole.
    int widthForTopTexts() const;
    void setHotTracking(bool on);
    bool hotTracking() const;

Q_SIGNALS:
    // A mouse press over a node, or Enter or Space on the current one; the node is selected
    // already.
    void nodePressed(const QString& text, const QString& parentText);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    HotTrackDelegate* m_hotTrack;

    void onItemPressed(QTreeWidgetItem* item);
};

} // namespace morvane::ui
