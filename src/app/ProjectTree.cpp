#include "app/ProjectTree.h"

#include "common/TextFunctions.h"
#include "db/TableRegistry.h"

namespace valtrane::app {

namespace {

const QString SummaryRun = QStringLiteral("RUN21");
const QString SummaryRunText = QStringLiteral("RUN21+");

QStringList surfaces(std::int32_t deviceCode)
{
    if (deviceCode == NG7700A)
        return {QStringLiteral("Asphalt"), QStringLiteral("Soil")};
    if (deviceCode == NG7700B)
        return {QStringLiteral("Asphalt"), QStringLiteral("Soil"), QStringLiteral("Thin")};
    return {};
}

} // namespace

std::vector<TreeNode> ProjectTree::build(const AppPaths &paths, AppState &state)
{
    if (state.Table_List.isEmpty())
        state.Table_List = db::Table_Registry(paths, state, 0);
    return nodes(state.DeviceCode, state.Table_List, state.TreeRootCaption);
}

std::vector<TreeNode> ProjectTree::nodes(std::int32_t deviceCode, const QString &tableList, const QString &rootCaption)
{
    std::vector<TreeNode> out;
    out.push_back({TreeNode::Level::Root, QString::fromLatin1(RootKey), rootText(deviceCode, rootCaption), -1});

    const QStringList surfaceTexts = surfaces(deviceCode);
    int tableCount = 0;
    int surfaceCount = 0;
    for (const QString &name : tableListNames(tableList)) {
        const int tableIndex = int(out.size());
        out.push_back({TreeNode::Level::Table, QStringLiteral("T%1").arg(++tableCount), tableText(name), 0});
        for (const QString &surface : surfaceTexts)
            out.push_back({TreeNode::Level::Surface, QStringLiteral("C%1").arg(++surfaceCount), surface, tableIndex});
    }
    return out;
}

QString ProjectTree::rootText(std::int32_t deviceCode, const QString &rootCaption)
{
    if (!rootCaption.isEmpty())
        return rootCaption;
    switch (deviceCode) {
    case LD4800:
        return QStringLiteral("Tests");
    case NG7700A:
    case NG7700B:
        return QStringLiteral("Projects");
    case SG2150:
        return QStringLiteral("Run Number");
    default:
        return QString();
    }
}

QString ProjectTree::tableText(const QString &tableName)
{
    return tableName == SummaryRun ? SummaryRunText : tableName;
}

QString ProjectTree::tableName(const QString &nodeText)
{
    return nodeText == SummaryRunText ? SummaryRun : nodeText;
}

} // namespace valtrane::app
