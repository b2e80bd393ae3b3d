#include "app/GridColumns.h"
#include "common/AppState.h"
#include "db/TableKinds.h"

#include <gtest/gtest.h>

using namespace valtrane;
using app::GridColumns;
using Grid = GridColumns::Grid;

TEST(GridColumns, HeaderFieldsGoToTheInformationGridAndEverythingElseToTheDataGrid)
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

TEST(GridColumns, EveryColumnGetsTheGridWidthTimesTheModelsFactorOverColumnsLessOne)
{
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

TEST(GridColumns, OnlyTheNg7700bMaximumDensityCanBeEdited)
{
    EXPECT_EQ(GridColumns::editableField(Grid::Information, NG7700B), "MAXD");
    EXPECT_TRUE(GridColumns::editableField(Grid::Data, NG7700B).isEmpty());
    for (int device : {LD4800, NG7700A, SG2150})
        EXPECT_TRUE(GridColumns::editableField(Grid::Information, device).isEmpty()) << device;
}
