#pragma once

#include "common/AppPaths.h"
#include "common/AppState.h"

#include <QString>
#include <vector>

namespace valtrane::app {

// One node of the project tree: the root (key "Top"), a table node ("T" + n) under the root, or
// a surface node ("C" + n) under a table node of a nuclear gauge.
struct TreeNode {
    enum class Level { Root, Table, Surface };

    Level level = Level::Root;
    QString key;
    QString text;
    int parent = -1;   // index of the parent node, -1 for the root
};

// The nodes of the project tree, built from the table list alone (never from the database): the
// root, a node per table-list entry in list order, and for the nuclear gauges the surface nodes
// "Asphalt", "Soil" and, for the NG7700B, "Thin" under each.
class ProjectTree {
public:
    static constexpr const char *RootKey = "Top";

    // Takes Table_List, or when it is empty the registry's list (which also sets DeviceCode),
    // and stores it in Table_List; returns the nodes in the order they are added.
    static std::vector<TreeNode> build(const AppPaths &paths, AppState &state);

    static std::vector<TreeNode> nodes(std::int32_t deviceCode, const QString &tableList, const QString &rootCaption);

    // TreeRootCaption when set, else by model: "Tests", "Projects" or "Run Number".
    static QString rootText(std::int32_t deviceCode, const QString &rootCaption);
    // The text a table shows: "RUN21" is shown as "RUN21+".
    static QString tableText(const QString &tableName);
    // The table a node text stands for: "RUN21+" is the table "RUN21".
    static QString tableName(const QString &nodeText);
};

} // namespace valtrane::app
