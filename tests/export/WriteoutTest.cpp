#include "export/Writeout.h"

#include "common/ProgramInfo.h"
#include "db/Database.h"
#include "db/TableKinds.h"
#include "export/WriteoutStiffy.h"
#include "support/ProjectTables.h"
#include "support/ScriptedPrompter.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace valtrane;

namespace {

class WriteoutTest : public ::testing::Test {
protected:
    bool write(const QString &list, int model, const QString &single = QString())
    {
        db::Database connection;
        exporting::Writeout writer(home.paths());
        const bool ok = writer.writeout(connection, out, list, model, single, state);
        error = writer.errorText();
        return ok;
    }
    QByteArray written() const { return home.readFile(QStringLiteral("project.txt")); }

    test::TempHome home;
    AppState state;
    QString out = home.path() + QStringLiteral("/project.txt");
    QString error;
    test::ScriptedPrompter prompter;
};

// The expected files were laid out by hand, column by column; each has a note beside it that shows how.
struct Golden { const char *name, *file; int model; bool commaVariant; };

class WriteoutGolden : public WriteoutTest, public ::testing::WithParamInterface<Golden> {};

TEST_P(WriteoutGolden, WritesTheProjectByteForByteAsLaidOutByHand)
{
    const Golden g = GetParam();
    test::addTables(home.paths(), test::sampleProject(g.model));
    state.CsvReport = g.commaVariant;
    // The SG2150 list names RUN3 after RUN21: nothing after the summary-run table is read.
    ASSERT_TRUE(write(test::sampleTableList(g.model), g.model)) << error.toStdString();
    QFile expected(test::testDataPath(QStringLiteral("writeout/") + g.file));
    ASSERT_TRUE(expected.open(QIODevice::ReadOnly));
    EXPECT_EQ(written().toStdString(), expected.readAll().toStdString());
}

// ng7700a_comma.txt also shows that a project with asphalt records only (P13) has no soil section
// and keeps the column layout; the comma layout is the NG7700A's alone.
INSTANTIATE_TEST_SUITE_P(EveryGaugeModel, WriteoutGolden,
                         ::testing::Values(Golden{"ng7700a", "ng7700a.txt", NG7700A, false}, Golden{"ng7700b", "ng7700b.txt", NG7700B, false},
                                           Golden{"sg2150", "sg2150.txt", SG2150, false}, Golden{"ld4800", "ld4800.txt", LD4800, false},
                                           Golden{"ng7700a_comma", "ng7700a_comma.txt", NG7700A, true}, Golden{"ng7700b_comma", "ng7700b.txt", NG7700B, true}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(WriteoutTest, AnEmptyTableListWritesNothingEvenWithASingleTable)
{
    test::addTables(home.paths(), test::sampleProject(NG7700A));
    ASSERT_TRUE(write(QString(), NG7700A, QStringLiteral("125")));
    EXPECT_FALSE(QFile::exists(out));
    home.writeFile(QStringLiteral("project.txt"), "kept");
    ASSERT_TRUE(write(QString(), NG7700A, QStringLiteral("125")));
    EXPECT_EQ(written(), QByteArray("kept"));
}

TEST_F(WriteoutTest, ASingleTableReplacesTheList)
{
    test::addTables(home.paths(), test::sampleProject(NG7700A));
    ASSERT_TRUE(write(test::sampleTableList(NG7700A), NG7700A, QStringLiteral("13")));
    const QByteArray text = written();
    EXPECT_TRUE(text.startsWith(" 1 \r\n   \r\nCOMPACTION CONTROL DATA REPORT"));
    EXPECT_EQ(std::tuple(text.count("COMPACTION CONTROL DATA REPORT"), text.contains("02/01/04"), text.contains("01/15/04")), std::tuple(1, true, false));
}

TEST_F(WriteoutTest, EachLoggerTestIsTitledByItsTableName)
{
    const std::vector<std::pair<QString, QByteArray>> tests{
        {"CBR_LBR1", "CBR/LBR TEST"}, {"MARSHALL2", "MARSHALL TEST"},     {"UC3", "U.C. TEST"},
        {"TRIAXIAL4", "TRIAXIAL TEST"}, {"S_C_TEST5", "SOIL CEMENT TEST"}, {"DSHEARTEST6", "DIRECT SHEAR TEST"}};
    QString list;
    QByteArray expected = " 0 \r\n";
    for (const auto &[table, title] : tests) {
        test::addTables(home.paths(), {{table, db::LoggerTestTable, {}, {}}});
        list += table + ' ';
        expected += title + "\r\n\r\nRD #,     TIME,           ,            ,            ,               \r\nEND\r\n\r\n";
    }
    ASSERT_TRUE(write(list, LD4800));
    EXPECT_EQ(written(), expected);
}

TEST_F(WriteoutTest, ClosesTheDatabaseItOpenedUnlessAnExportIsInProgress)
{
    test::addTables(home.paths(), test::sampleProject(LD4800));
    db::Database connection;
    exporting::Writeout writer(home.paths());
    for (const bool exporting : {false, true}) {
        state.ExportConfirmed = exporting;
        ASSERT_TRUE(writer.writeout(connection, out, QStringLiteral("MARSHALL1 "), LD4800, QString(), state));
        EXPECT_EQ(connection.isOpen(), exporting);
    }
    EXPECT_EQ(connection.path(), QFileInfo(home.paths().database()).absoluteFilePath());
}

const QStringList Ng7700aSoil{"RDNUM", "RDATE", "ID",  "STAT", "Offset", "DPT",  "SA",   "KVAL", "PADJ", "DSTD", "MSTD",
                              "DCNT",  "MCNT",  "SPG", "PAV",  "MAXD",   "WETD", "DRYD", "WAT",  "PWAT", "PCOMP"};

// The lines of the file written for the table P1 of an NG7700A project; the records start at line 6
// (model code, blank, title, blank, headings, dashes).
QStringList ng7700aLines(test::TempHome &home, const std::vector<QStringList> &records)
{
    test::addTables(home.paths(), {{"P1", db::Ng7700aProjectTable, Ng7700aSoil, records}});
    return QString::fromLatin1(test::writtenText(home.paths(), NG7700A, QStringLiteral("1 "))).split(QStringLiteral("\r\n"));
}

TEST_F(WriteoutTest, EveryFailureSaysWhyLeavingTheOldFileInPlace)
{
    home.writeFile(QStringLiteral("project.txt"), "a good old file");
    EXPECT_FALSE(write(QStringLiteral("12.5 "), NG7700A)) << "no database";
    test::addTables(home.paths(), test::sampleProject(NG7700A));
    test::addTables(home.paths(), {{"TEST1", db::LoggerTestTable, {}, {}}});
    // No table P99; an NG7700A table lacks the NG7700B fields; no such gauge model; no load-frame test.
    const std::pair<const char *, int> failures[] = {{"12.5 99 ", NG7700A}, {"12.5 ", NG7700B}, {"12.5 ", 7}, {"TEST1 ", LD4800}};
    for (const auto &[list, model] : failures) {
        EXPECT_FALSE(write(QString::fromLatin1(list), model)) << list;
        EXPECT_FALSE(error.isEmpty()) << list;
    }
    EXPECT_EQ(written(), QByteArray("a good old file"));
    out = home.path() + QStringLiteral("/no/such/folder/project.txt");
    EXPECT_FALSE(write(QStringLiteral("12.5 "), NG7700A));
    EXPECT_FALSE(error.isEmpty());
}

TEST_F(WriteoutTest, Ng7700aValuesStayFieldsOfTheirOwnWhenTheyOverflowTheirColumns)
{
    const QStringList wide{"123456", "01/15/2004", "PROJECT1", "1234567", "-123456", "1234", "S",      "1234567", "123456", "1234567", "123456",
                           "1234567", "123456",    "12345",    "1234",    "123456",  "123456", "123456", "12345",   "12345",  "123456"};
    const QStringList overflowing = ng7700aLines(home, {wide});
    ASSERT_GT(overflowing.size(), 6);
    EXPECT_EQ(overflowing[6].split(QLatin1Char(' '), Qt::SkipEmptyParts), wide);
    EXPECT_EQ(overflowing[6].left(7), QStringLiteral("123456 "));
}

TEST_F(WriteoutTest, Ng7700aEmptyValuesAreBlankCellsOutsideTheAverages)
{
    std::vector<QStringList> records;
    for (const QStringList &v : {QStringList{"1", "100", "~", "100", "95"}, QStringList{"2", "110", "6", "~", "96"}, QStringList{"3", "120", "6", "110", "97"}})
        records.push_back({v[0], "01/15/04", "1", v[1], "5", v[2], "S", "0", "0", "2345", "678", "1234", "234", "2.7", "4", "125.5", v[3],
                           QString::number(89 + v[0].toInt()), "10", "~", v[4]});
    const QStringList lines = ng7700aLines(home, records);
    ASSERT_GT(lines.size(), 12);
    // DPT and WETD blank, DRYD in its place; WETD over its two readings: 105.0 and a deviation of the square
    // root of 50; WAT has no spread; PWAT has no reading at all.
    EXPECT_EQ(QStringList({lines[6].mid(37, 5), lines[7].mid(103, 7), lines[7].mid(111, 5)}), QStringList({"     ", "       ", "   91"}));
    const QString &averages = lines[10], &deviations = lines[11];
    ASSERT_TRUE(averages.startsWith(QString(78, QLatin1Char(' ')) + QStringLiteral("AVERAGE OF ALL DATA:")));
    ASSERT_TRUE(deviations.startsWith(QString(78, QLatin1Char(' ')) + QStringLiteral("SAMPLE DEVIATIONS:")));
    EXPECT_EQ(QStringList({averages.mid(104, 5) + deviations.mid(104, 5), averages.mid(118, 4) + deviations.mid(118, 4),
                           averages.mid(124, 4) + deviations.mid(124, 4), averages.mid(131, 5)}),
              QStringList({"105.0  7.1", "10.0 0.0", "        ", " 96.0"}));
}

TEST_F(WriteoutTest, Ng7700bTableWithoutHeaderRecordWritesEveryRecordAsAReading)
{
    const QStringList fields{"RDNUM", "Time", "SA", "WD", "VR"};
    test::addTables(home.paths(), {{"P5", db::Ng7700bProjectTable, fields, {{"1", "9:30", "S", "120", "A"}, {"2", "9:45", "A", "121", "B"}}}});
    const QList<QByteArray> ng7700b = test::writtenText(home.paths(), NG7700B, QStringLiteral("5 ")).split('\n');
    ASSERT_EQ(ng7700b.size(), 11);
    EXPECT_TRUE(ng7700b[7].startsWith("   1,  9:30,         ,       ,       ,       ,     ,    ,   S,       ,"));
    EXPECT_EQ(QList<QByteArray>({ng7700b[4], ng7700b[8], ng7700b[9]}),
              QList<QByteArray>({"PROJECT ID:  DATE:  D STD= M STD= KVAL=  SPG= MAXD= LOWD=\r", "2, 9:45, , , , , , , A, , , , , 121, , , , , B\r", "\r"}));
}

// Run 3 of three bins, the second without results.
const report::StiffnessReportCells RunThree{
    "3", "04/12/03", "10:15:00", "11.25", {},
    {"1\r2\r3\r", "100\r104\r108\r", "38.7\r38.1\r39.0\r", "45.7\r43.1\r-1.0\r", "7.7\r \r7.0\r", "44244.1\r \r40000.0\r",
     "67.2\r \r60.7\r", "9745.7\r \r8800.0\r", "24.9\r \r22.5\r", "3609.5\r \r3260.9\r"},
    {"7.4", "42122.1", "64.0", "9272.9", "23.7", "3435.2"}, false, "0.12", "145", "2324.0"};

TEST_F(WriteoutTest, StiffnessSummaryLaysTheRunOutInTwentyFiveRowsAboveTheAverages)
{
    ASSERT_TRUE(exporting::writeoutStiffy(RunThree, home.path() + "/DataStif.csv", prompter));
    EXPECT_EQ(home.readFile("DataStif.csv"),
              "RUN#:  3   MEAS:  11.25   DATE:  04/12/03   TIME:  10:15:00\r\n\r\n\r\n"
              ",,SNR,db,Meas Stiff,Meas Stiff,Calc Yngs Mod,Calc Yngs Mod,Calc Shr Mod,Calc Shr Mod,Meas Mois Cont,Est Dry Dens,Est Dry Dens\r\n"
              "BIN#,Freq.(Hz),Displ.,Force,(MN/m),(lbf/in),(MPa),(psi),(MPa),(psi),(%by Wght/100),PD(pcf),PD(kg/m^3)\r\n"
              "1,100,38.7,45.7,7.7,44244.1,67.2,9745.7,24.9,3609.5,0.12,145,2324.0\r\n2,104,38.1,43.1, , , , , , ,\r\n"
              "3,108,39.0,-1.0,7.0,40000.0,60.7,8800.0,22.5,3260.9,\r\n"
                  + QByteArray(",,,,,,,,,,\r\n").repeated(22) + ",,,AVG:,7.4,42122.1,64.0,9272.9,23.7,3435.2\r\n");
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(WriteoutTest, AStiffnessSummaryThatCannotBeWrittenIsTold)
{
    home.writeFile("blocker", "not a folder");
    EXPECT_FALSE(exporting::writeoutStiffy(RunThree, home.path() + "/blocker/DataStif.csv", prompter));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(std::tuple(prompter.shown[0].text, prompter.shown[0].title, prompter.shown[0].buttons),
              std::tuple(QString("Error Opening File.  Make sure file is closed."), program::title(), Prompter::Buttons::Ok));
}

// Columns are read value by value and only the first twenty-five are kept.
TEST_F(WriteoutTest, StiffnessSummaryKeepsTheFirstTwentyFiveValuesOfEachColumn)
{
    report::StiffnessReportCells ends;
    ends.columns[report::BinNumberColumn] = "1\r\r3";  // an empty value, no carriage return at the end
    for (int i = 1; i <= 30; ++i)
        ends.columns[report::FrequencyColumn] += QString::number(i) + '\r';
    ASSERT_TRUE(exporting::writeoutStiffy(ends, home.path() + "/ends.csv", prompter));
    const QList<QByteArray> endLines = home.readFile("ends.csv").split('\n');
    ASSERT_EQ(endLines.size(), 32);  // 31 lines and the empty text after the last line end
    EXPECT_EQ(endLines.mid(5, 4) + endLines.mid(29, 2),
              QList<QByteArray>({"1,1,,,,,,,,,,,\r", ",2,,,,,,,,,\r", "3,3,,,,,,,,,\r", ",4,,,,,,,,,\r", ",25,,,,,,,,,\r", ",,,AVG:,,,,,,\r"}));
}

} // namespace
