#include "app/GridColumns.h"
#include "common/AppState.h"
#include "db/TableKinds.h"

#include <gtest/gtest.h>

using namespace valtrane;
using app::GridColumns;
using Grid = GridColumns::Grid;

TEST(GridColumns, HeaderFieldsGoToTheInformationGridAndEverythingElseToTheDataGrid)
{
    for (const db::FieldDef &f : db::tableDefinition(db::Ng7700bProjectTable, "P1").fields) {
        const bool header = QStringList{"ID", "SERNUM", "CDATE", "DATE", "DSTD", "MSTD", "KVAL", "SPG", "MAXD", "LOWD", "TIME"}.contains(f.name);
        EXPECT_EQ(GridColumns::isShown(Grid::Information, f.name), header) << f.name.toStdString();
        EXPECT_EQ(GridColumns::isShown(Grid::Data, f.name), !header) << f.name.toStdString();
    }
    for (const char *field : {"CH1NAME", "CH4NAME", "RUN_NUMBER", "MEASURE", "CALFACTOR", "maxd"})
        EXPECT_TRUE(GridColumns::isShown(Grid::Information, QString::fromLatin1(field))) << field;
    for (const char *field : {"CH1", "READNUMBER", "BIN_NUMBER", "FREQUENCY", "RDATE", "PERC_COMP"})
        EXPECT_TRUE(GridColumns::isShown(Grid::Data, QString::fromLatin1(field))) << field;
}

TEST(GridColumns, EveryColumnGetsTheGridWidthTimesTheModelsFactorOverColumnsLessOne)
{
    struct Case {
        int device;
        Grid grid;
        int expected;   // 1000 pixels wide, 11 columns
    };
    const std::vector<Case> cases{
        {LD4800, Grid::Data, 200},   {LD4800, Grid::Information, 222},  {NG7700A, Grid::Data, 300}, {NG7700A, Grid::Information, 312},
        {NG7700B, Grid::Data, 425},  {NG7700B, Grid::Information, 435}, {SG2150, Grid::Data, 379},  {SG2150, Grid::Information, 400},
    };
    for (const Case &c : cases)
        EXPECT_EQ(GridColumns::columnWidth(c.grid, c.device, 1000, 11), c.expected) << c.device;
}

TEST(GridColumns, NoWidthForASingleColumnOrAnUnknownModel)
{
    EXPECT_FALSE(GridColumns::columnWidth(Grid::Data, LD4800, 1000, 1));
    EXPECT_FALSE(GridColumns::columnWidth(Grid::Data, LD4800, 1000, 0));
    EXPECT_FALSE(GridColumns::columnWidth(Grid::Data, 99, 1000, 10));
}

TEST(GridColumns, OnlyTheNg7700bMaximumDensityCanBeEdited)
{
    EXPECT_EQ(GridColumns::editableField(Grid::Information, NG7700B), "MAXD");
    EXPECT_TRUE(GridColumns::editableField(Grid::Data, NG7700B).isEmpty());
    for (int device : {LD4800, NG7700A, SG2150})
        EXPECT_TRUE(GridColumns::editableField(Grid::Information, device).isEmpty()) << device;
}
