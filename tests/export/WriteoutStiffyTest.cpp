#include "common/ProgramInfo.h"
#include "export/WriteoutStiffy.h"
#include "support/ScriptedPrompter.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace valtrane;
using report::StiffnessReportCells;

namespace {

const QByteArray Headings =
    ",,SNR,db,Meas Stiff,Meas Stiff,Calc Yngs Mod,Calc Yngs Mod,Calc Shr Mod,Calc Shr Mod,Meas Mois Cont,Est Dry Dens,Est Dry Dens\r\n"
    "BIN#,Freq.(Hz),Displ.,Force,(MN/m),(lbf/in),(MPa),(psi),(MPa),(psi),(%by Wght/100),PD(pcf),PD(kg/m^3)\r\n";
const QByteArray EmptyRow = ",,,,,,,,,,\r\n";

QByteArray emptyRows(int count)
{
    return EmptyRow.repeated(count);
}

// Three bins as the report would show them, the second one overloaded.
StiffnessReportCells threeBins()
{
    StiffnessReportCells cells;
    cells.runNumber = "3";
    cells.measure = "11.25";
    cells.date = "04/12/03";
    cells.time = "10:15:00";
    cells.columns = {"1\r2\r3\r", "100\r104\r108\r", "38.7\r38.1\r39.0\r", "45.7\r43.1\r-1.0\r",
                     "7.7\r \r7.0\r", "44244.1\r \r40000.0\r", "67.2\r \r60.7\r",
                     "9745.7\r \r8800.0\r", "24.9\r \r22.5\r", "3609.5\r \r3260.9\r"};
    cells.averages = {"7.4", "42122.1", "64.0", "9272.9", "23.7", "3435.2"};
    cells.moistureContent = "0.12";
    cells.densityPcf = "145";
    cells.densityKgPerM3 = "2324.0";
    return cells;
}

class WriteoutStiffyTest : public ::testing::Test {
protected:
    QString path(const char *name) const { return home.path() + '/' + name; }

    test::TempHome home;
    test::ScriptedPrompter prompter;
};

TEST_F(WriteoutStiffyTest, WritesTheRunLineHeadingsTwentyFiveRowsAndTheAverages)
{
    ASSERT_TRUE(exporting::writeoutStiffy(threeBins(), path("DataStif.csv"), prompter));
    const QByteArray expected = "RUN#:  3   MEAS:  11.25   DATE:  04/12/03   TIME:  10:15:00\r\n\r\n\r\n" + Headings
                                + "1,100,38.7,45.7,7.7,44244.1,67.2,9745.7,24.9,3609.5,0.12,145,2324.0\r\n"
                                  "2,104,38.1,43.1, , , , , , ,\r\n"
                                  "3,108,39.0,-1.0,7.0,40000.0,60.7,8800.0,22.5,3260.9,\r\n"
                                + emptyRows(22) + ",,,AVG:,7.4,42122.1,64.0,9272.9,23.7,3435.2\r\n";
    EXPECT_EQ(home.readFile("DataStif.csv"), expected);
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(WriteoutStiffyTest, KeepsOnlyTheFirstTwentyFiveValuesOfALongerColumn)
{
    StiffnessReportCells cells;
    for (int i = 1; i <= 30; ++i)
        cells.columns[report::BinNumberColumn] += QString::number(i) + '\r';
    ASSERT_TRUE(exporting::writeoutStiffy(cells, path("long.csv"), prompter));
    const QList<QByteArray> lines = home.readFile("long.csv").split('\n');
    ASSERT_EQ(lines.size(), 32);  // 31 lines and the empty text after the last line end
    EXPECT_EQ(lines[5], "1,,,,,,,,,,,,\r");
    EXPECT_EQ(lines[29], "25,,,,,,,,,,\r");
    EXPECT_EQ(lines[30], ",,,AVG:,,,,,,\r");
}

TEST_F(WriteoutStiffyTest, ReadsColumnsValueByValueWhateverTheirEnds)
{
    StiffnessReportCells cells;
    cells.columns[report::BinNumberColumn] = "1\r\r3";  // an empty value, no carriage return at the end
    cells.columns[report::FrequencyColumn] = "NA\rNA\rNA\r";
    ASSERT_TRUE(exporting::writeoutStiffy(cells, path("ends.csv"), prompter));
    const QList<QByteArray> lines = home.readFile("ends.csv").split('\n');
    EXPECT_EQ(lines[5], "1,NA,,,,,,,,,,,\r");
    EXPECT_EQ(lines[6], ",NA,,,,,,,,,\r");
    EXPECT_EQ(lines[7], "3,NA,,,,,,,,,\r");
    EXPECT_EQ(lines[8], ",,,,,,,,,,\r");
}

TEST_F(WriteoutStiffyTest, AFileThatCannotBeWrittenShowsTheMessage)
{
    home.writeFile("blocker", "not a folder");
    EXPECT_FALSE(exporting::writeoutStiffy(threeBins(), path("blocker/DataStif.csv"), prompter));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "Error Opening File.  Make sure file is closed.");
    EXPECT_EQ(prompter.shown[0].title, program::title());
    EXPECT_EQ(prompter.shown[0].buttons, Prompter::Buttons::Ok);
}

} // namespace
