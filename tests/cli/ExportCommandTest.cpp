#include "common/AppState.h"
#include "db/Database.h"
#include "export/Writeout.h"
#include "support/CliRunner.h"
#include "support/PdfText.h"
#include "support/ProjectTables.h"
#include "support/ReportPdfInfo.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace valtrane;

namespace {

void registerProject(test::TempHome &home, int model)
{
    test::addTables(home.paths(), test::sampleProject(model));
    home.writeFile("info/DBTbles.vkt", QByteArray::number(model) + "\r\n\"" + test::sampleTableList(model).toLatin1() + "\"\r\n");
}

TEST(ExportCommand, CsvGoesToDataRawInTheProgramFolderInTheNg7700aCommaLayout)
{
    test::TempHome home;
    registerProject(home, NG7700A);
    const auto result = test::runCli(home.path(), {"export", "12.5", "--format", "csv"});
    ASSERT_EQ(result.exitCode, 0) << result.err.constData();

    AppState comma;
    comma.CsvReport = true;
    db::Database connection;
    ASSERT_TRUE(exporting::Writeout(home.paths()).writeout(connection, home.path() + "/expected.csv", "12.5 13 ", NG7700A, "125", comma));
    EXPECT_EQ(home.readFile("DataRaw.csv"), home.readFile("expected.csv"));
    EXPECT_FALSE(home.exists("DataStif.csv"));
}

TEST(ExportCommand, AStiffnessRunWritesTheSummaryOnlyForTheReportOnScreenAndBothReportsAsPdfWithThePagesAsked)
{
    test::TempHome home;
    registerProject(home, SG2150);
    const auto summary = test::runCli(home.path(), {"export", "RUN2", "--format", "csv", "--what", "current", "--report",
                                                    "stiffness", "--stiffness-out", home.path() + "/run2.csv"});
    ASSERT_EQ(summary.exitCode, 0) << summary.err.constData();
    EXPECT_TRUE(home.readFile("run2.csv").startsWith("RUN#:  2   MEAS:  ")) << home.readFile("run2.csv").constData();
    EXPECT_FALSE(home.exists("DataRaw.csv"));

    const auto pdf = test::runCli(home.path(), {"export", "RUN2", "--format", "pdf", "--pages", "1-1"});
    ASSERT_EQ(pdf.exitCode, 0) << pdf.err.constData();
    for (const char *name : {"DataRaw.pdf", "DataStif.pdf"})
        EXPECT_TRUE(test::pdfPagesAndSize(home.path() + '/' + name).startsWith("1 ")) << name;
}

TEST(ExportCommand, RefusesWhatTheDialogWouldNotAllow)
{
    test::TempHome home;
    registerProject(home, LD4800);
    const std::tuple<QStringList, int, const char *> cases[] = {
        {{"CBR_LBR1"}, 2, "--format"}, {{"CBR_LBR1", "--format", "xls"}, 2, "--format must be"},
        {{"CBR_LBR1", "--format", "csv", "--application"}, 2, "disk only"}, {{"CBR_LBR1", "--format", "pdf", "--pages", "3-2"}, 2, "--pages"},
        {{"CBR_LBR1", "--format", "pdf", "--pages", "4-5"}, 1, "pages 1 to 1"},
        {{"CBR_LBR1", "--format", "csv", "--report", "stiffness"}, 1, "stiffness report"}, {{"CBR_LBR7", "--format", "csv"}, 1, "no table CBR_LBR7"},
        {{"CBR_LBR1", "--format", "csv", "--out", home.path() + "/missing/x.csv"}, 1, "Invalid raw data export file name."},
        {{"CBR_LBR1", "--format", "pdf", "--columns", "CH1", "--layout"}, 2, "exclude each other"},
        {{"CBR_LBR1", "--format", "pdf", "--columns", "CH9"}, 1, "not a column object"},
        {{"CBR_LBR1", "--format", "pdf", "--layout"}, 1, "No Layout to Load."},
    };
    for (const auto &[args, exitCode, says] : cases) {
        const auto result = test::runCli(home.path(), QStringList{"export"} + args);
        EXPECT_EQ(result.exitCode, exitCode) << args.join(' ').toStdString();
        EXPECT_TRUE(result.err.contains(says)) << args.join(' ').toStdString() << ": " << result.err.constData();
    }
    EXPECT_FALSE(home.exists("DataRaw.csv") || home.exists("DataRaw.pdf"));
}

TEST(ExportCommand, ColumnsArePlacedInTheExportedReportAsOnTheReportTab)
{
    test::TempHome home;
    registerProject(home, NG7700B);
    const auto result = test::runCli(home.path(), {"export", "7.7", "--format", "pdf", "--columns", "Stat1,Wet Dens,%Comp"});
    ASSERT_EQ(result.exitCode, 0) << result.err.constData();
    const QString page = test::pdfText(home.path() + "/DataRaw.pdf");
    EXPECT_TRUE(page.contains(QRegularExpression("Stat1\\s+WD\\s+%Comp\\s+Remarks")) && !page.contains("Col 4")) << page.toStdString();
}

} // namespace
