#include "app/GridConnection.h"
#include "app/NodeSelection.h"
#include "db/TableKinds.h"
#include "support/BrowsingTables.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace valtrane;
using app::ClickedNode;
using app::NodeSelection;
using Level = app::TreeNode::Level;

namespace {

AppState stateFor(int deviceCode, const QString &currentTable = QString())
{
    AppState s;
    s.DeviceCode = deviceCode;
    s.CurrentTable = currentTable;
    return s;
}

// "table | surface | data query | information query" and the flags single grid, logger test and
// information from the first reading; "ignored" for no plan.
QString describe(const std::optional<app::NodePlan> &p)
{
    if (!p)
        return QStringLiteral("ignored");
    return QStringList({p->table, p->surface, p->dataSql, p->infoSql}).join(" | ")
           + QStringLiteral(" %1%2%3").arg(int(p->singleGrid)).arg(int(p->loggerTest)).arg(int(p->infoFromFirstReading));
}

} // namespace

TEST(NodeSelection, EachKindOfNodeQueriesItsTableAsItsModelWantsAndClicksThatLoadNothingAreIgnored)
{
    const std::tuple<int, ClickedNode, QString, QString> cases[] = {   // model, node, table on screen, plan
        {NG7700B, {Level::Surface, "Soil", "12.5"}, "13",
         "125 | SOIL | Select * From P125 WHERE SA = 'S' AND RDNUM > 0 | Select * From P125 WHERE RDNUM = 0 000"},
        {NG7700A, {Level::Surface, "Asphalt", "4"}, "13", "4 | ASPHALT | Select * From P4 WHERE SA = 'A' AND RDNUM > 0 |  001"},
        {SG2150, {Level::Table, "RUN3", "Run Number"}, "13",
         "RUN3 | NONE | Select * From RUN3 WHERE BIN_NUMBER > 0 | Select * From RUN3 WHERE BIN_NUMBER = 0 000"},
        {SG2150, {Level::Table, "RUN21+", "Run Number"}, "13", "RUN21 | NONE |  | Select * From RUN21 100"},
        {LD4800, {Level::Table, "CBR_LBR1", "Tests"}, "13",
         "CBR_LBR1 | NONE | Select * From CBR_LBR1 | Select * From CBR_LBR1 WHERE READNUMBER < 2 010"},
        {NG7700B, {Level::Root, "Projects", ""}, "", "ignored"},  {LD4800, {Level::Root, "Tests (Dwnld:5/6/2024)", ""}, "", "ignored"},
        {SG2150, {Level::Table, "Run Number", "x"}, "", "ignored"}, {LD4800, {Level::Table, "Tests", "x"}, "", "ignored"},
        {NG7700B, {Level::Table, "12.5", "Projects"}, "", "ignored"}, {NG7700A, {Level::Table, "ABC", "Projects"}, "", "ignored"},
        {LD4800, {Level::Table, "UC1", "Tests"}, "UC1", "ignored"}, {SG2150, {Level::Table, "RUN2", "Run Number"}, "RUN2", "ignored"},
    };
    for (const auto &[device, node, onScreen, plan] : cases)
        EXPECT_EQ(describe(NodeSelection::plan(node, stateFor(device, onScreen))), plan) << node.text.toStdString();
}

TEST(NodeSelection, OpeningPutsTheTableOnScreenAndBindsBothGridsOrEmptiesThem)
{
    test::TempHome home;
    test::addTables(home.paths(), {{"RUN3", db::StiffnessRunTable, {"RUN_NUMBER", "BIN_NUMBER", "MEASURE", "FREQUENCY"},
                                    {{"3", "0", "1.5", "~"}, {"~", "1", "~", "100"}, {"~", "2", "~", "104"}}},
                                   {"P4", db::Ng7700aProjectTable, {"RDNUM", "SA", "MAXD"}, {{"0", "X", "99"}, {"3", "S", "120"}, {"5", "S", "121"}}}});
    AppState state = stateFor(SG2150);
    state.ReportFontSize = 12;
    app::GridConnection grids(home.paths());
    const auto open = [&](int device, const app::ClickedNode &node) {
        state.DeviceCode = device;
        return NodeSelection::open(*NodeSelection::plan(node, state), state, grids);
    };

    EXPECT_EQ(open(SG2150, {Level::Table, "RUN3", "Run Number"}), 2);
    EXPECT_EQ(QStringList({state.CurrentTable, state.CurrentSurface}), QStringList({"RUN3", "NONE"}));
    EXPECT_EQ(state.ReportFontSize, 9);
    EXPECT_EQ(grids.dataModel().rowCount(), 2);
    EXPECT_EQ(grids.infoModel().rowCount(), 1);
    EXPECT_EQ(grids.infoModel().data(grids.infoModel().index(0, 0)).toString(), "3");

    // The NG7700A information is the first reading of the surface, or reading 0 without one.
    EXPECT_EQ(open(NG7700A, {Level::Surface, "Soil", "4"}), 2);
    ASSERT_EQ(grids.infoModel().rowCount(), 1);
    EXPECT_EQ(grids.infoSet()->field(u"RDNUM").toInt(), 3);
    EXPECT_EQ(open(NG7700A, {Level::Surface, "Asphalt", "4"}), 0);
    ASSERT_EQ(grids.infoModel().rowCount(), 1);
    EXPECT_EQ(grids.infoSet()->field(u"MAXD").toFloat(), 99.0f);

    EXPECT_EQ(open(LD4800, {Level::Table, "UC9", "Tests"}), 0);
    EXPECT_EQ(state.CurrentTable, "UC9");
    EXPECT_EQ(grids.dataModel().columnCount(), 0);
    EXPECT_EQ(grids.infoModel().columnCount(), 0);
}
