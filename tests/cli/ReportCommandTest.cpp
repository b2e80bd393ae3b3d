#include "common/AppState.h"
#include "db/TableRegistry.h"
#include "support/CliRunner.h"
#include "support/PdfText.h"
#include "support/ProjectTables.h"
#include "support/TempHome.h"

#include <QDir>
#include <QProcess>
#include <gtest/gtest.h>

using namespace valtrane;

namespace {

class ReportCommandTest : public ::testing::Test {
protected:
    void openSample(const char *file)
    {
        const auto opened = test::runCli(home.path(), {"open", test::testDataPath(QString::fromLatin1(file))});
        ASSERT_EQ(opened.exitCode, 0) << opened.err.toStdString();
    }
    // The stiffness runs of the sample project, summary runs included, listed in the registry.
    void storeSampleRuns()
    {
        test::addTables(home.paths(), test::sampleProject(SG2150));
        AppState state;
        state.DeviceCode = SG2150;
        db::Table_Registry(home.paths(), state, 1, test::sampleTableList(SG2150));
    }
    test::CliResult report(QStringList args)
    {
        return test::runCli(home.path(), QStringList{"report"} + args);
    }

    test::TempHome home;
};

TEST_F(ReportCommandTest, NuclearReportPrintsTheLabInformationAndThePlacedColumns)
{
    openSample("writeout/ng7700a.txt");
    const auto info = test::runCli(home.path(), {"lab-info", "--set", "company=Quarry Labs", "--set", "tester=J. Smith"});
    ASSERT_EQ(info.exitCode, 0) << info.err.toStdString();
    EXPECT_TRUE(info.out.contains("company:  Quarry Labs\n")) << info.out.toStdString();
    EXPECT_TRUE(info.out.contains("fax:      Empty\n")) << info.out.toStdString();

    const QString pdf = home.path() + QStringLiteral("/out/report.pdf");
    const auto r = report({"12.5", "--surface", "Soil", "--columns", "Stat,Wet Dens", "--pdf", pdf, "--png", home.path() + "/pages"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QString text = test::pdfText(pdf);
    for (const char *shown : {"Quarry Labs", "J. Smith", "Data Report for NG-7700A Serial:", "Stat", "WD", "Remarks", "120.5",
                              "124.5", "250", "Average of All Data", "Page 1 of 1"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(shown))) << shown << "\n" << text.toStdString();
    // The asphalt reading and the placeholders of unused columns are not printed.
    for (const char *hidden : {"140.2", "Col 3", "Empty"})
        EXPECT_FALSE(text.contains(QString::fromLatin1(hidden))) << hidden << "\n" << text.toStdString();
    EXPECT_TRUE(QFileInfo::exists(home.path() + "/pages/page-1.png"));
}

TEST_F(ReportCommandTest, RefusalsAndUnknownEntriesEndWithoutAReport)
{
    struct Case {
        const char *file;
        QStringList args;
        const char *said;
    };
    const Case cases[] = {
        {"writeout/ng7700a.txt", {"12.5", "--surface", "Soil", "--columns", "Wet Dens,Bogus"}, "\"Wet Dens\""},
        {"writeout/ng7700a.txt", {"12.5", "--columns", "Stat"}, "--surface"},
        {"writeout/sg2150.txt", {"RUN1", "--columns", "Noise Data,Noise Data"}, "Report already contains Noise Data Values"},
        {"writeout/sg2150.txt", {"RUN9", "--columns", "Frequency"}, "the tables are: RUN1"},
        {"writeout/ng7700a.txt", {"12.5", "--surface", "Soil", "--layout"}, "No Layout to Load."},
        {"writeout/ng7700a.txt", {"12.5", "--surface", "Soil", "--layout", "--font", "10"}, "leave out --columns and --font"},
    };
    for (const Case &c : cases) {
        openSample(c.file);
        const QString pdf = home.path() + QStringLiteral("/refused.pdf");
        const auto r = report(c.args + QStringList{"--pdf", pdf});
        EXPECT_NE(r.exitCode, 0) << c.said;
        EXPECT_TRUE((r.out + r.err).contains(c.said)) << c.said << "\n" << r.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(pdf)) << c.said;
    }
}

TEST_F(ReportCommandTest, LayoutOptionPlacesTheSavedLayoutOfTheModel)
{
    openSample("writeout/ng7700a.txt");
    home.writeFile(QStringLiteral("info/LayoutC.vkt"), "\"Stat\rRemarks\rWD\r\"\r\n");
    home.writeFile(QStringLiteral("info/LayoutChdr.vkt"), "TitleP = 1\r\nFontSZ = 12\r\n");
    const QString pdf = home.path() + QStringLiteral("/layout.pdf");
    const auto r = report({"12.5", "--surface", "Soil", "--layout", "--pdf", pdf});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QString text = test::pdfText(pdf);
    for (const char *shown : {"Stat", "WD", "120.5", "Remarks"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(shown))) << shown << "\n" << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Col 2"))) << text.toStdString();
}

TEST_F(ReportCommandTest, StiffnessOptionWritesTheResultsOfTheRun)
{
    storeSampleRuns();
    const QString pdf = home.path() + QStringLiteral("/stiffness.pdf");
    const auto r = report({"RUN21", "--stiffness", "--font", "12", "--pdf", pdf});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QString text = test::pdfText(pdf);
    for (const char *shown : {"Data Report for SG2150", "21+", "(MN/m)", "Shear Mod.", "NA"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(shown))) << shown << "\n" << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Averages:"))) << text.toStdString();
}

} // namespace
