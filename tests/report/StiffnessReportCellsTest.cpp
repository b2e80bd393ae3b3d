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

    EXPECT_EQ(QStringList({cells->runLine(), cells->measurementLine()}), QStringList({"3   04/12/03 10:15:00", "Measure: 11.25   Calibration Factor: 2.5"}));
    QString bins, frequencies;
    for (const test::BinCounts &b : test::twentyFiveBins()) {
        bins += QString::number(b.bin) + '\r';
        frequencies += QString::number(b.frequency) + '\r';
    }
    EXPECT_EQ(QStringList({cells->columns[report::BinNumberColumn], cells->columns[report::FrequencyColumn]}), QStringList({bins, frequencies}));
    const QStringList snr = cells->columns[report::DisplacementSnrColumn].split('\r');
    const QStringList youngsPsi = cells->columns[report::resultColumn(stiffness::YoungsModulusPsi)].split('\r');
    ASSERT_EQ(std::pair(snr.size(), youngsPsi.size()), std::pair(qsizetype(26), qsizetype(26)));  // a carriage return after every value
    EXPECT_EQ(QStringList({snr[0], snr[24], youngsPsi[0], youngsPsi[6], youngsPsi[17], youngsPsi[24]}), QStringList({"38.7", "42.7", "9745.7", " ", " ", "6763.2"}));
    EXPECT_FALSE(cells->averagesHidden);
}

TEST_F(StiffnessReportCellsTest, OnlyARunTableGivesCells)
{
    EXPECT_FALSE(StiffnessReportCells::build(database, "RUN9", test::loadedConstants()));
    addTable("P12", db::Ng7700aProjectTable);
    EXPECT_FALSE(StiffnessReportCells::build(database, "P12", test::loadedConstants()));
    addTable("RUN4", db::StiffnessRunTable);
    const auto empty = StiffnessReportCells::build(database, "RUN4", test::loadedConstants());
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->runNumber + empty->columns[report::BinNumberColumn], "");
}

TEST_F(StiffnessReportCellsTest, RunsAboveTwentyAreMarkedWithTheirAveragesHidden)
{
    const auto twentyOne = StiffnessReportCells::fromRecords({headerRecord(21, 9.5f, 2.5f), headerRecord(22, 8.0f, 2.5f)}, test::loadedConstants());
    EXPECT_TRUE(twentyOne.averagesHidden);
    EXPECT_EQ(QStringList({twentyOne.runNumber, twentyOne.runLine(), twentyOne.columns[report::BinNumberColumn], twentyOne.columns[report::FrequencyColumn],
                           twentyOne.columns[report::FirstResultColumn]}), QStringList({"21+", "21+   04/12/03 10:15:00", "21\r22\r", "NA\rNA\r", "9.5\r8.0\r"}));
}

} // namespace
