#pragma once

#include "app/GridConnection.h"
#include "app/ProjectTree.h"
#include "common/AppState.h"

#include <QString>
#include <optional>

namespace valtrane::app {

// The node the user clicked, with the text of its parent node (empty for the root).
struct ClickedNode {
    TreeNode::Level level = TreeNode::Level::Root;
    QString text;
    QString parentText;
};

// What a click on a tree node loads: the table and surface it puts on screen and the SQL texts of
// the data set and the information set.
struct NodePlan {
    QString table;                      // becomes CurrentTable
    QString surface;                    // becomes CurrentSurface
    QString dataSql;                    // empty: no data set (the summary run shows one grid)
    QString infoSql;                    // empty with infoFromFirstReading: made from the data set
    bool infoFromFirstReading = false;  // NG7700A: the information set is the first reading
    bool singleGrid = false;            // only the information grid is shown
    bool loggerTest = false;            // the channel graph is drawn
};

// The rules of a click on the project tree.
class NodeSelection {
public:
    // nullopt when the click is ignored: the root, a project node (numeric text), a node whose
    // text is the table on screen, and for the nuclear gauges any node but a surface node.
    static std::optional<NodePlan> plan(const ClickedNode &node, const AppState &state);

    // The NG7700A information set: the reading whose RDNUM is that of the data set's first row,
    // or RDNUM 0 when the data set is empty.
    static QString firstReadingInfoSql(const QString &project, db::Recordset *dataSet);

    // Puts the plan's table on screen: CurrentTable and CurrentSurface, the connection opened anew,
    // both record sets opened (a set that cannot be opened stays empty) and bound to the grids, the
    // report font size back to 9. Returns the number of rows of the data set.
    static int open(const NodePlan &plan, AppState &state, GridConnection &connection);
};

} // namespace valtrane::app
