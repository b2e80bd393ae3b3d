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

TEST(ProjectTree, EachModelGetsItsNodesWithSurfacesCountedOverTheWholeTree)
{
    const std::vector<std::tuple<int, QString, QStringList>> cases{
        {NG7700B, "12.5 13 ", {"Top Projects -", "T1 12.5 Top", "C1 Asphalt T1", "C2 Soil T1", "C3 Thin T1", "T2 13 Top",
                               "C4 Asphalt T2", "C5 Soil T2", "C6 Thin T2"}},
        {NG7700A, "4 7 ", {"Top Projects -", "T1 4 Top", "C1 Asphalt T1", "C2 Soil T1", "T2 7 Top", "C3 Asphalt T2", "C4 Soil T2"}},
        {SG2150, "RUN1 RUN2 RUN21 ", {"Top Run Number -", "T1 RUN1 Top", "T2 RUN2 Top", "T3 RUN21+ Top"}},
        {LD4800, "CBR_LBR1 MARSHALL1 ", {"Top Tests -", "T1 CBR_LBR1 Top", "T2 MARSHALL1 Top"}},
        // A name without its trailing blank gets no node.
        {LD4800, "UC1 UC2", {"Top Tests -", "T1 UC1 Top"}},
        {LD4800, "", {"Top Tests -"}},
    };
    for (const auto &[model, list, expected] : cases)
        EXPECT_EQ(describe(ProjectTree::nodes(model, list, QString())), expected) << model << " " << qPrintable(list);
}

TEST(ProjectTree, RootCaptionOfALoadReplacesTheModelsRootText)
{
    const auto nodes = ProjectTree::nodes(NG7700B, "1 ", QStringLiteral("Projects (site.txt)"));
    EXPECT_EQ(nodes.front().text, "Projects (site.txt)");
}

TEST(ProjectTree, SummaryRunShownWithPlusStandsForItsTable)
{
    EXPECT_EQ(ProjectTree::tableName(ProjectTree::tableText("RUN21")), "RUN21");
    EXPECT_EQ(ProjectTree::tableText("RUN2"), "RUN2");
    EXPECT_EQ(ProjectTree::tableName("RUN21+"), "RUN21");
}

TEST(ProjectTree, AnEmptyTableListIsTakenFromTheRegistryWithItsModel)
{
    test::TempHome home;
    test::writeRegistry(home.paths(), SG2150, "RUN4 RUN5 ");
    AppState state;
    const auto nodes = ProjectTree::build(home.paths(), state);
    EXPECT_EQ(state.Table_List, "RUN4 RUN5 ");
    EXPECT_EQ(state.DeviceCode, SG2150);
    EXPECT_EQ(describe(nodes), (QStringList{"Top Run Number -", "T1 RUN4 Top", "T2 RUN5 Top"}));
}

TEST(ProjectTree, AListInMemoryWinsOverTheRegistry)
{
    test::TempHome home;
    test::writeRegistry(home.paths(), SG2150, "RUN4 ");
    AppState state;
    state.DeviceCode = LD4800;
    state.Table_List = "UC1 ";
    EXPECT_EQ(describe(ProjectTree::build(home.paths(), state)), (QStringList{"Top Tests -", "T1 UC1 Top"}));
    EXPECT_EQ(state.DeviceCode, LD4800);
}
