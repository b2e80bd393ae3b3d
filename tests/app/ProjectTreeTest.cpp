#include "app/ProjectTree.h"
#include "support/BrowsingTables.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace valtrane;
using app::ProjectTree;
using app::TreeNode;

namespace {

// "key text parentKey" per node, in the order the nodes are added.
QStringList describe(const std::vector<TreeNode> &nodes)
{
    QStringList out;
    for (const TreeNode &n : nodes)
        out.append(QStringLiteral("%1 %2 %3").arg(n.key, n.text, n.parent < 0 ? QStringLiteral("-") : nodes[size_t(n.parent)].key));
    return out;
}

} // namespace

TEST(ProjectTree, TheRegisteredModelAndTablesOrAListInMemoryGiveTheNodesWithSurfacesCountedOverTheWholeTree)
{
    // registry, LD4800 list in memory, root caption, nodes
    const std::tuple<int, QString, QString, QString, QStringList> cases[] = {
        {NG7700B, "12.5 13 ", "", "", {"Top Projects -", "T1 12.5 Top", "C1 Asphalt T1", "C2 Soil T1", "C3 Thin T1", "T2 13 Top",
                                       "C4 Asphalt T2", "C5 Soil T2", "C6 Thin T2"}},
        {NG7700A, "4 7 ", "", "", {"Top Projects -", "T1 4 Top", "C1 Asphalt T1", "C2 Soil T1", "T2 7 Top", "C3 Asphalt T2", "C4 Soil T2"}},
        // The summary run is shown with a plus.
        {SG2150, "RUN1 RUN2 RUN21 ", "", "", {"Top Run Number -", "T1 RUN1 Top", "T2 RUN2 Top", "T3 RUN21+ Top"}},
        {LD4800, "CBR_LBR1 MARSHALL1 ", "", "", {"Top Tests -", "T1 CBR_LBR1 Top", "T2 MARSHALL1 Top"}},
        // A name without its trailing blank gets no node.
        {LD4800, "UC1 UC2", "", "", {"Top Tests -", "T1 UC1 Top"}},
        {LD4800, "", "", "", {"Top Tests -"}},
        {SG2150, "RUN4 ", "UC1 ", "", {"Top Tests -", "T1 UC1 Top"}},
        // The root caption of a load replaces the model's root text.
        {NG7700B, "1 ", "", "Projects (site.txt)", {"Top Projects (site.txt) -", "T1 1 Top", "C1 Asphalt T1", "C2 Soil T1", "C3 Thin T1"}},
    };
    for (const auto &[model, list, memory, caption, expected] : cases) {
        SCOPED_TRACE(QStringLiteral("%1 [%2] [%3]").arg(model).arg(list, memory).toStdString());
        test::TempHome home;
        test::writeRegistry(home.paths(), model, list);
        AppState state;
        state.DeviceCode = memory.isEmpty() ? -1 : LD4800;
        state.Table_List = memory;
        state.TreeRootCaption = caption;
        EXPECT_EQ(describe(ProjectTree::build(home.paths(), state)), expected);
        EXPECT_EQ(state.Table_List, memory.isEmpty() ? list : memory);
        EXPECT_EQ(state.DeviceCode, memory.isEmpty() ? model : LD4800);
    }
}

TEST(ProjectTree, TheSummaryRunsNodeTextStandsForItsTable)
{
    EXPECT_EQ(ProjectTree::tableName("RUN21+"), "RUN21");
    EXPECT_EQ(ProjectTree::tableText("RUN2"), "RUN2");
    EXPECT_EQ(ProjectTree::tableName("RUN2"), "RUN2");
}
