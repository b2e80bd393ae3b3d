#include "app/ChannelGraphData.h"
#include "app/CompactionRecompute.h"
#include "app/GridColumns.h"
#include "app/GridConnection.h"
#include "app/NodeSelection.h"
#include "app/ProjectTree.h"
#include "app/RecordsetTableModel.h"
#include "db/TableKinds.h"
#include "support/BrowsingTables.h"
#include "support/TableRows.h"
#include "support/TempHome.h"

using namespace valtrane;
using namespace valtrane::app;
using Grid = GridColumns::Grid;
using Level = TreeNode::Level;

namespace {

class BrowsingTest : public ::testing::Test {
protected:
    void put(const std::vector<test::TableContent> &tables)
    {
        test::addTables(home.paths(), tables);
        ASSERT_TRUE(database.open(home.paths().database()));
        state.CurrentTable = tables[0].name;
    }

    test::TempHome home;
    db::Database database;
    AppState state;
};

// Run 7's forty bins through the table model.
class RecordsetTableModelTest : public BrowsingTest {
protected:
    void SetUp() override
    {
        test::TableContent run{"RUN7", db::StiffnessRunTable, {"RUN_NUMBER", "BIN_NUMBER", "FREQUENCY", "DSNR"}, {}};
        for (int i = 1; i <= 40; ++i)
            run.records.push_back({"7", QString::number(i), QString::number(100 + i), QString::number(i / 4.0)});
        put({run});
        set = database.openRecordset("Select * From RUN7 WHERE BIN_NUMBER > 0");
        model.setRecordset(set.get());
    }
    QString cell(int row, const QString &field) const { return model.data(model.index(row, set->schema().fieldIndex(field))).toString(); }

    std::unique_ptr<db::Recordset> set;
    RecordsetTableModel model;
};

// "key text parentKey" per node, in the order the nodes are added.
QStringList describe(const std::vector<TreeNode> &nodes)
{
    QStringList out;
    for (const TreeNode &n : nodes)
        out.append(QStringLiteral("%1 %2 %3").arg(n.key, n.text, n.parent < 0 ? QStringLiteral("-") : nodes[size_t(n.parent)].key));
    return out;
}

// "table | surface | data query | information query" and the flags single grid, logger test and
// information from the first reading; "ignored" for no plan.
QString describe(const std::optional<NodePlan> &p)
{
    return !p ? QStringLiteral("ignored")
              : QStringList({p->table, p->surface, p->dataSql, p->infoSql}).join(" | ")
                    + QStringLiteral(" %1%2%3").arg(int(p->singleGrid)).arg(int(p->loggerTest)).arg(int(p->infoFromFirstReading));
}

} // namespace

TEST_F(BrowsingTest, EachGraphReadingGivesChannelTwoOneThreeOneUnderTheTitlesOfTheTestsLastReading)
{
    test::TableContent uc1 = test::loggerTest("UC1", {{1.5, 2.5, 3.5, 4.5}, {10, 20, 30, 40}, {9, 10, 11, 12}, {7, 7, 7, 7}},
                                              {"LOAD", "PEN", "DIAL", "AUX"});
    uc1.records[2][3] = "~";   // CH2 of reading 3: not a number
    for (int i = 0; i < 3; ++i)
        uc1.records.back()[6 + i] = QStringList({"KN", "MM", "IN"})[i];
    put({uc1});
    auto set = database.openRecordset("Select * From UC1");
    auto data = ChannelGraphData::read(home.paths(), state, set.get(), 3);
    ASSERT_TRUE(data && data->rows.size() == 3);
    EXPECT_TRUE(std::isnan(data->rows[2][0]));
    data->rows[2][0] = -1;
    EXPECT_EQ(data->rows, (std::vector<std::array<float, 4>>{{2.5f, 1.5f, 3.5f, 1.5f}, {20, 10, 30, 10}, {-1, 9, 11, 9}}));
    EXPECT_EQ(QStringList({data->horizontalTitle, data->verticalTitle, data->secondVerticalTitle}), QStringList({"MM", "KN", "IN"}));
}

TEST_F(BrowsingTest, NothingIsDrawnWithoutATableOnScreenOrADatabase)
{
    put({test::loggerTest("UC1", {{1.5, 2.5, 3.5, 4.5}}, {"LOAD", "PEN", "DIAL", "AUX"})});
    auto set = database.openRecordset("Select * From UC1");
    state.CurrentTable.clear();
    EXPECT_FALSE(ChannelGraphData::read(home.paths(), state, set.get(), 1));
    state.CurrentTable = "UC1";
    set.reset();
    database.close();
    ASSERT_TRUE(db::Database::removeFile(home.paths().database()));
    EXPECT_FALSE(ChannelGraphData::read(home.paths(), state, nullptr, 0));
}

TEST(BrowsingRules, TheGraphPictureIsTheChartEnlargedByAThirdAtFifteenTwipsPerPixel)
{
    EXPECT_EQ(std::pair(ChannelGraphData::pictureSizeTwips(), ChannelGraphData::pictureSizePixels()), std::pair(QSize(9318, 6220), QSize(621, 415)));
}

TEST(BrowsingRules, TheSurfaceOnScreenGetsDensityOverTheMaximum)
{
    const float Empty = NAN;
    // surface, maximum (invalid: as stored, 120), reading 3 without dry density, table, succeeds, percent of readings 1 to 4
    const std::tuple<const char *, QVariant, bool, const char *, bool, std::array<float, 4>> compactions[] = {
        // Soil readings take dry density; other surfaces wet density.
        {"SOIL", 100.0, false, "125", true, {110.0f, 1, 102.5f, 1}},
        {"SOIL", QVariant(), true, "125", true, {float(110.0 * 100.0 / 120.0), 1, Empty, 1}},
        {"ASPHALT", QVariant(), false, "125", true, {1, float(150.0 * 100.0 / 120.0), 1, 1}},
        // Without a usable maximum or table nothing changes, unless the surface has no readings.
        {"SOIL", 0.0, false, "125", false, {1, 1, 1, 1}},
        {"SOIL", QVariant(QMetaType(QMetaType::Double)), false, "125", false, {1, 1, 1, 1}},
        {"SOIL", QVariant(), false, "999", false, {1, 1, 1, 1}},
        {"BASE", 0.0, false, "125", true, {1, 1, 1, 1}},
        {"", 50.0, false, "125", true, {1, 1, 1, 1}},
    };
    for (const auto &[surface, maxd, emptyDd3, table, succeeds, percent] : compactions) {
        SCOPED_TRACE(std::string(surface) + " " + table);
        test::TempHome home;
        test::addTables(home.paths(), {{"P125", db::Ng7700bProjectTable, {"RDNUM", "ID", "MAXD", "SA", "DD", "WD", "PERC_COMP"},
                                        {{"0", "12.5", "120", "~", "~", "~", "~"}, {"1", "~", "~", "S", "110", "125", "1"},
                                         {"2", "~", "~", "A", "140", "150", "1"}, {"3", "~", "~", "S", "102.5", "118", "1"},
                                         {"4", "~", "~", "T", "90", "91", "1"}}}});
        db::Database database;
        ASSERT_TRUE(database.open(home.paths().database()));
        const auto set = [&](int rdnum, const QString &field, const QVariant &value) {
            auto r = database.openRecordset(QString("SELECT * FROM P125 WHERE RDNUM = %1").arg(rdnum));
            ASSERT_TRUE(r->setField(field, value) && r->update());
        };
        if (maxd.isValid())
            set(0, "MAXD", maxd);
        if (emptyDd3)
            set(3, "DD", QVariant());
        AppState state;
        std::tie(state.DeviceCode, state.CurrentTable, state.CurrentSurface) = std::tuple(NG7700B, table, surface);
        EXPECT_EQ(CompactionRecompute::run(database, state), succeeds);

        const auto rows = test::tableRows(home.paths(), "P125");
        ASSERT_EQ(rows.size(), 5u);
        for (size_t i = 0; i < 4; ++i) {
            const QVariant p = rows[i + 1].at("PERC_COMP");
            EXPECT_EQ(p.isNull(), std::isnan(percent[i])) << "reading " << i + 1;
            if (!p.isNull()) {
                EXPECT_FLOAT_EQ(p.toFloat(), percent[i]) << "reading " << i + 1;
            }
        }
    }
}

TEST(BrowsingRules, HeaderFieldsGoToTheInformationGridTheOthersToTheDataGrid)
{
    const QStringList header{"ID", "SERNUM", "CDATE", "DATE", "DSTD", "MSTD", "KVAL", "SPG", "MAXD", "LOWD", "TIME",
                             "CH1NAME", "CH4NAME", "RUN_NUMBER", "MEASURE", "CALFACTOR", "maxd"};
    QStringList fields{"CH1", "READNUMBER", "BIN_NUMBER", "FREQUENCY", "RDATE", "PERC_COMP"};
    for (const db::FieldDef &f : db::tableDefinition(db::Ng7700bProjectTable, "P1").fields)
        fields.append(f.name);
    for (const QString &f : fields + header) {
        EXPECT_EQ(GridColumns::isShown(Grid::Information, f), header.contains(f)) << f.toStdString();
        EXPECT_EQ(GridColumns::isShown(Grid::Data, f), !header.contains(f)) << f.toStdString();
    }
}

TEST(BrowsingRules, ColumnsShareTheGridsWidthByTheModelsFactor)
{
    // Every column gets the grid width times the model's factor over columns less one.
    const std::tuple<int, Grid, int, std::optional<int>> cases[] = {   // 1000 pixels wide
        {LD4800, Grid::Data, 11, 200},   {LD4800, Grid::Information, 11, 222},  {NG7700A, Grid::Data, 11, 300},
        {NG7700A, Grid::Information, 11, 312}, {NG7700B, Grid::Data, 11, 425},  {NG7700B, Grid::Information, 11, 435},
        {SG2150, Grid::Data, 11, 379},   {SG2150, Grid::Information, 11, 400},
        // No width for a single column or an unknown model.
        {LD4800, Grid::Data, 1, std::nullopt}, {LD4800, Grid::Data, 0, std::nullopt}, {99, Grid::Data, 10, std::nullopt},
    };
    for (const auto &[device, grid, columns, expected] : cases)
        EXPECT_EQ(GridColumns::columnWidth(grid, device, 1000, columns), expected) << device << " " << columns;
}

TEST(BrowsingRules, OnlyTheNg7700bMaximumDensityCanBeEdited)
{
    for (int device : std::initializer_list<int>{LD4800, NG7700A, NG7700B, SG2150, 99}) {
        for (Grid grid : {Grid::Data, Grid::Information})
            EXPECT_EQ(GridColumns::editableField(grid, device), device == NG7700B && grid == Grid::Information ? "MAXD" : "") << device;
    }
}

TEST(BrowsingRules, TheRegistryOrAListInMemoryGivesTheTreeNodes)
{
    // registry, LD4800 list in memory, root caption, nodes
    const std::tuple<int, QString, QString, QString, QStringList> trees[] = {
        {NG7700B, "12.5 13 ", "", "", {"Top Projects -", "T1 12.5 Top", "C1 Asphalt T1", "C2 Soil T1", "C3 Thin T1", "T2 13 Top",
                                       "C4 Asphalt T2", "C5 Soil T2", "C6 Thin T2"}},
        {NG7700A, "4 7 ", "", "", {"Top Projects -", "T1 4 Top", "C1 Asphalt T1", "C2 Soil T1", "T2 7 Top", "C3 Asphalt T2", "C4 Soil T2"}},
        // The summary run is shown with a plus.
        {SG2150, "RUN1 RUN2 RUN21 ", "", "", {"Top Run Number -", "T1 RUN1 Top", "T2 RUN2 Top", "T3 RUN21+ Top"}},
        // A name without its trailing blank gets no node.
        {LD4800, "UC1 UC2", "", "", {"Top Tests -", "T1 UC1 Top"}},
        {LD4800, "", "", "", {"Top Tests -"}},
        {SG2150, "RUN4 ", "UC1 ", "", {"Top Tests -", "T1 UC1 Top"}},
        // The root caption of a load replaces the model's root text.
        {NG7700B, "1 ", "", "Projects (site.txt)", {"Top Projects (site.txt) -", "T1 1 Top", "C1 Asphalt T1", "C2 Soil T1", "C3 Thin T1"}},
    };
    for (const auto &[model, list, memory, caption, expected] : trees) {
        SCOPED_TRACE(QStringLiteral("%1 [%2] [%3]").arg(model).arg(list, memory).toStdString());
        test::TempHome home;
        test::writeRegistry(home.paths(), model, list);
        AppState state;
        std::tie(state.DeviceCode, state.Table_List, state.TreeRootCaption) = std::tuple(memory.isEmpty() ? -1 : LD4800, memory, caption);
        EXPECT_EQ(describe(ProjectTree::build(home.paths(), state)), expected);
        EXPECT_EQ(std::pair(state.Table_List, state.DeviceCode), memory.isEmpty() ? std::pair(list, model) : std::pair(memory, int(LD4800)));
    }
}

TEST(BrowsingRules, TheSummaryRunsNodeTextStandsForItsTable)
{
    EXPECT_EQ(QStringList({ProjectTree::tableName("RUN21+"), ProjectTree::tableText("RUN2"), ProjectTree::tableName("RUN2")}),
              QStringList({"RUN21", "RUN2", "RUN2"}));
}

TEST_F(RecordsetTableModelTest, ShowsEveryRecordInAnyOrder)
{
    EXPECT_EQ(std::pair(model.rowCount(), model.columnCount()), std::pair(40, 19));
    EXPECT_EQ(QStringList({model.headerData(0, Qt::Horizontal).toString(), model.headerData(18, Qt::Horizontal).toString(), cell(0, "FREQUENCY"),
                           cell(0, "DSNR"), cell(0, "FSNR")}), QStringList({"RUN_NUMBER", "FSNR", "101", "0.25", ""}));
    for (int row : {39, 0, 20, 19, 38, 1, 25})
        EXPECT_EQ(cell(row, "BIN_NUMBER"), QString::number(row + 1)) << row;
    // Even after the set was moved elsewhere.
    set->moveLast();
    model.resync();
    EXPECT_EQ(cell(3, "BIN_NUMBER"), "4");
    EXPECT_FALSE(model.data(model.index(40, 0)).isValid());
}

TEST_F(RecordsetTableModelTest, OnlyTheEditableFieldTakesEdits)
{
    const int frequency = set->schema().fieldIndex(u"FREQUENCY");
    std::vector<bool> stored;   // of every cellEdited signal
    QObject::connect(&model, &RecordsetTableModel::cellEdited, [&](int, const QString &, bool s) { stored.push_back(s); });
    EXPECT_FALSE(model.flags(model.index(4, frequency)) & Qt::ItemIsEditable);
    EXPECT_FALSE(model.setData(model.index(4, frequency), "7"));
    EXPECT_TRUE(stored.empty());
    model.setEditableField("frequency");
    ASSERT_TRUE(model.flags(model.index(4, frequency)) & Qt::ItemIsEditable);
    EXPECT_TRUE(model.setData(model.index(4, frequency), "207"));
    EXPECT_EQ(stored, std::vector<bool>{true});
    EXPECT_EQ(cell(4, "FREQUENCY"), "207");
    EXPECT_EQ(database.openRecordset("Select * From RUN7 WHERE BIN_NUMBER = 5")->field(u"FREQUENCY").toInt(), 207);
    EXPECT_FALSE(model.setData(model.index(2, frequency), "fast"));
    EXPECT_EQ(stored, (std::vector<bool>{true, false}));
    EXPECT_EQ(cell(2, "FREQUENCY"), "103");
}

TEST_F(RecordsetTableModelTest, IsEmptyWithoutARecordSet)
{
    model.setRecordset(nullptr);
    EXPECT_EQ(std::pair(model.rowCount(), model.columnCount()), std::pair(0, 0));
}

TEST_F(BrowsingTest, EachKindOfNodeQueriesItsTableAsItsModelWants)
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
        {LD4800, {Level::Root, "Tests (Dwnld:5/6/2024)", ""}, "", "ignored"}, {SG2150, {Level::Table, "Run Number", "x"}, "", "ignored"},
        {NG7700B, {Level::Table, "12.5", "Projects"}, "", "ignored"}, {NG7700A, {Level::Table, "ABC", "Projects"}, "", "ignored"},
        {LD4800, {Level::Table, "UC1", "Tests"}, "UC1", "ignored"},
    };
    for (const auto &[device, node, onScreen, plan] : cases) {
        AppState clicked;
        std::tie(clicked.DeviceCode, clicked.CurrentTable) = std::tuple(device, onScreen);
        EXPECT_EQ(describe(NodeSelection::plan(node, clicked)), plan) << node.text.toStdString();
    }
}

TEST_F(BrowsingTest, OpeningANodeBindsBothGridsOrEmptiesThem)
{
    test::addTables(home.paths(), {{"RUN3", db::StiffnessRunTable, {"RUN_NUMBER", "BIN_NUMBER", "MEASURE", "FREQUENCY"},
                                    {{"3", "0", "1.5", "~"}, {"~", "1", "~", "100"}, {"~", "2", "~", "104"}}},
                                   {"P4", db::Ng7700aProjectTable, {"RDNUM", "SA", "MAXD"}, {{"0", "X", "99"}, {"3", "S", "120"}, {"5", "S", "121"}}}});
    state.ReportFontSize = 12;
    GridConnection grids(home.paths());
    const auto open = [&](int device, const ClickedNode &node) {
        state.DeviceCode = device;
        return NodeSelection::open(*NodeSelection::plan(node, state), state, grids);
    };

    EXPECT_EQ(open(SG2150, {Level::Table, "RUN3", "Run Number"}), 2);
    EXPECT_EQ(std::tuple(state.CurrentTable, state.CurrentSurface, state.ReportFontSize), std::tuple(QString("RUN3"), QString("NONE"), 9));
    EXPECT_EQ(std::pair(grids.dataModel().rowCount(), grids.infoModel().rowCount()), std::pair(2, 1));
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
    EXPECT_EQ(std::pair(grids.dataModel().columnCount(), grids.infoModel().columnCount()), std::pair(0, 0));
}
