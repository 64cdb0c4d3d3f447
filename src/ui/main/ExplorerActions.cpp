#include "ui/main/ExplorerActions.h"

#include "catalog/Catalog.h"

namespace morvane::ui {

using Type = ExplorerAction::Type;

ExplorerAction explorerAction(const QString& nodeText, const QString& parentText)
{
    ExplorerAction action;
    if (parentText.isNull()) {
        if (nodeText == appletsNodeText) {
            action.type = Type::ShowAppletsList;
        } else if (nodeText == helpNodeText) {
            action.type = Type::ShowHelpPage;
        } else if (nodeText == homePageNodeText) {
            action.type = Type::OpenHomePage;
        }
        return action;
    }
    if (parentText == helpNodeText) {
        if (const auto page = helpPageForNode(nodeText)) {
            action.type = Type::ShowHelpPage;
            action.helpPage = *page;
        }
        return action;
    }
    if (parentText == appletsNodeText) {
        action.type = Type::OpenKind;
        action.kind = nodeText;
        return action;
    }
    action.type = Type::ScrollToSection;
    action.kind = parentText;
    for (const catalog::CommonParameterInfo& info : catalog::commonParameters()) {
        if (nodeText == QString::fromUtf16(info.explorerNode)) {
            action.section = info.id;
        }
    }
    return action;
}

QStringList sectionNodes(const catalog::Support& support)
{
    QStringList nodes;
    for (const catalog::CommonParameterInfo& info : catalog::commonParameters()) {
        if (info.alwaysSupported() || support.has(info.id)) {
            nodes.append(QString::fromUtf16(info.explorerNode));
        }
    }
    nodes.append(catalog::specificParametersNode());
    return nodes;
}

} // namespace morvane::ui
