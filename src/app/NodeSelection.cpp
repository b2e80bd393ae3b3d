#include "app/NodeSelection.h"

#include "common/VbConvert.h"

namespace valtrane::app {

namespace {

bool isIgnoredText(const QString &text, const AppState &state)
{
    static const QStringList rootTexts{QStringLiteral("Projects"), QStringLiteral("Tests"), QStringLiteral("Run Number")};
    return rootTexts.contains(text) || vb::isNumeric(text) || text == state.CurrentTable;
}

NodePlan nuclearPlan(const ClickedNode &node)
{
    NodePlan plan;
    plan.table = node.parentText;
    plan.table.remove(QLatin1Char('.'));
    plan.surface = node.text.toUpper();
    const QString project = QStringLiteral("Select * From P") + plan.table;
    plan.dataSql = project + QStringLiteral(" WHERE SA = '") + plan.surface.left(1) + QStringLiteral("' AND RDNUM > 0");
    return plan;
}

NodePlan stiffnessPlan(const ClickedNode &node)
{
    NodePlan plan;
    plan.table = ProjectTree::tableName(node.text);
    plan.surface = QStringLiteral("NONE");
    const QString table = QStringLiteral("Select * From ") + plan.table;
    if (plan.table == QLatin1String("RUN21")) {
        plan.infoSql = table;
        plan.singleGrid = true;
    } else {
        plan.dataSql = table + QStringLiteral(" WHERE BIN_NUMBER > 0");
        plan.infoSql = table + QStringLiteral(" WHERE BIN_NUMBER = 0");
    }
    return plan;
}

NodePlan loggerPlan(const ClickedNode &node)
{
    NodePlan plan;
    plan.table = node.text;
    plan.surface = QStringLiteral("NONE");
    plan.dataSql = QStringLiteral("Select * From ") + plan.table;
    plan.infoSql = plan.dataSql + QStringLiteral(" WHERE READNUMBER < 2");
    plan.loggerTest = true;
    return plan;
}

} // namespace

std::optional<NodePlan> NodeSelection::plan(const ClickedNode &node, const AppState &state)
{
    // The root is never a table, whatever caption a download or project load gave it.
    if (node.level == TreeNode::Level::Root || isIgnoredText(node.text, state))
        return std::nullopt;

    switch (state.DeviceCode) {
    case NG7700A:
    case NG7700B: {
        // Non-numeric project identifiers are not recognised as projects; only surfaces load.
        if (node.level != TreeNode::Level::Surface)
            return std::nullopt;
        NodePlan p = nuclearPlan(node);
        if (state.DeviceCode == NG7700A)
            p.infoFromFirstReading = true;
        else
            p.infoSql = QStringLiteral("Select * From P") + p.table + QStringLiteral(" WHERE RDNUM = 0");
        return p;
    }
    case SG2150:
        return stiffnessPlan(node);
    case LD4800:
        return loggerPlan(node);
    default:
        return std::nullopt;
    }
}

QString NodeSelection::firstReadingInfoSql(const QString &project, db::Recordset *dataSet)
{
    QString rdnum = QStringLiteral("0");
    if (dataSet && dataSet->moveFirst()) {
        bool ok = false;
        const QVariant v = dataSet->field(QStringLiteral("RDNUM"), &ok);
        if (ok && !v.isNull())
            rdnum = QString::number(v.toLongLong());
    }
    return QStringLiteral("Select * From P") + project + QStringLiteral(" WHERE RDNUM = ") + rdnum;
}

int NodeSelection::open(const NodePlan &plan, AppState &state, GridConnection &connection)
{
    state.CurrentTable = plan.table;
    state.CurrentSurface = plan.surface;
    state.ReportFontSize = 9;

    connection.reopen();
    if (!plan.dataSql.isEmpty())
        connection.openDataSet(plan.dataSql);
    const int readingCount = connection.dataSet() ? connection.dataSet()->recordCount() : 0;
    connection.openInfoSet(plan.infoFromFirstReading ? firstReadingInfoSql(plan.table, connection.dataSet()) : plan.infoSql);
    connection.bind();
    return readingCount;
}

} // namespace valtrane::app
