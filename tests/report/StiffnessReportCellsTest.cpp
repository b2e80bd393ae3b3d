#include "db/DbTestSupport.h"
#include "report/StiffnessReportCells.h"
#include "stiffness/StiffnessRunData.h"

#include <gtest/gtest.h>

using namespace valtrane;
using report::StiffnessReportCells;
using test::headerRecord;

namespace {

class StiffnessReportCellsTest : public test::DatabaseFixture {};

TEST_F(StiffnessReportCellsTest, StacksOneLinePerBinInEveryColumn)
{
    test::storeRun(home.paths(), database, "RUN3", test::runThreeRecords());
    const auto cells = StiffnessReportCells::build(database, "RUN3", test::loadedConstants());
    ASSERT_TRUE(cells);

    EXPECT_EQ(cells->runLine(), "3   04/12/03 10:15:00");
    EXPECT_EQ(cells->measurementLine(), "Measure: 11.25   Calibration Factor: 2.5");

    QString bins;
    QString frequencies;
    for (const test::BinCounts &b : test::twentyFiveBins()) {
        bins += QString::number(b.bin) + '\r';
        frequencies += QString::number(b.frequency) + '\r';
    }
    EXPECT_EQ(cells->columns[report::BinNumberColumn], bins);
    EXPECT_EQ(cells->columns[report::FrequencyColumn], frequencies);
    const QStringList snr = cells->columns[report::DisplacementSnrColumn].split('\r');
    ASSERT_EQ(snr.size(), 26);  // a carriage return after every value
    EXPECT_EQ(snr[0], "38.7");
    EXPECT_EQ(snr[24], "42.7");
    const QStringList youngsPsi = cells->columns[report::resultColumn(stiffness::YoungsModulusPsi)].split('\r');
    EXPECT_EQ(youngsPsi[0], "9745.7");
    EXPECT_EQ(youngsPsi[6], " ");
    EXPECT_EQ(youngsPsi[17], " ");
    EXPECT_EQ(youngsPsi[24], "6763.2");
    EXPECT_FALSE(cells->averagesHidden);
}

TEST(StiffnessReportRunLine, MarksRunsAboveTwentyWithAPlusAndHidesTheirAverages)
{
    const auto twentyOne = StiffnessReportCells::fromRecords({headerRecord(21, 9.5f, 2.5f), headerRecord(22, 8.0f, 2.5f)},
                                                             test::loadedConstants());
    EXPECT_EQ(twentyOne.runNumber, "21+");
    EXPECT_EQ(twentyOne.runLine(), "21+   04/12/03 10:15:00");
    EXPECT_TRUE(twentyOne.averagesHidden);
    EXPECT_EQ(twentyOne.columns[report::BinNumberColumn], "21\r22\r");
    EXPECT_EQ(twentyOne.columns[report::FrequencyColumn], "NA\rNA\r");
    EXPECT_EQ(twentyOne.columns[report::FirstResultColumn], "9.5\r8.0\r");
}

TEST_F(StiffnessReportCellsTest, OnlyARunTableGivesCells)
{
    EXPECT_FALSE(StiffnessReportCells::build(database, "RUN9", test::loadedConstants()));
    addTable("P12", db::Ng7700aProjectTable);
    EXPECT_FALSE(StiffnessReportCells::build(database, "P12", test::loadedConstants()));

    addTable("RUN4", db::StiffnessRunTable);
    const auto empty = StiffnessReportCells::build(database, "RUN4", test::loadedConstants());
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->runNumber, "");
    EXPECT_EQ(empty->columns[report::BinNumberColumn], "");
}

} // namespace
