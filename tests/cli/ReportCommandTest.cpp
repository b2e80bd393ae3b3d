#include "common/AppState.h"
#include "db/TableRegistry.h"
#include "support/CliRunner.h"
#include "support/PdfText.h"
#include "support/ProjectTables.h"
#include "support/TempHome.h"

#include <QFileInfo>
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
    test::CliResult report(const QStringList &args) { return test::runCli(home.path(), QStringList{"report"} + args); }

    void expectReport(const QStringList &args, const QStringList &shown, const QStringList &hidden)
    {
        const QString pdf = home.path() + QStringLiteral("/out/report.pdf");
        const auto r = report(args + QStringList{"--pdf", pdf});
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        const QString text = test::pdfText(pdf);
        for (const QString &t : shown + hidden)
            EXPECT_EQ(text.contains(t), shown.contains(t)) << t.toStdString() << "\n" << text.toStdString();
    }

    test::TempHome home;
};

TEST_F(ReportCommandTest, PrintsTheResultsOfAStiffnessRunAndTheLabInformationWithThePlacedColumnsOrTheSavedLayout)
{
    test::addTables(home.paths(), test::sampleProject(SG2150));
    AppState state;
    state.DeviceCode = SG2150;
    db::Table_Registry(home.paths(), state, 1, test::sampleTableList(SG2150));
    expectReport({"RUN21", "--stiffness", "--font", "12"}, {"Data Report for SG2150", "21+", "(MN/m)", "Shear Mod.", "NA"}, {"Averages:"});

    openSample("writeout/ng7700a.txt");
    const auto info = test::runCli(home.path(), {"lab-info", "--set", "company=Quarry Labs", "--set", "tester=J. Smith"});
    ASSERT_EQ(info.exitCode, 0) << info.err.toStdString();
    EXPECT_TRUE(info.out.contains("company:  Quarry Labs\n") && info.out.contains("fax:      Empty\n")) << info.out.toStdString();
    // The asphalt reading and the placeholders of unused columns are not printed.
    expectReport({"12.5", "--surface", "Soil", "--columns", "Stat,Wet Dens", "--png", home.path() + "/pages"},
                 {"Quarry Labs", "J. Smith", "Data Report for NG-7700A Serial:", "Stat", "WD", "Remarks", "120.5", "124.5", "250",
                  "Average of All Data", "Page 1 of 1"},
                 {"140.2", "Col 3", "Empty"});
    EXPECT_TRUE(QFileInfo::exists(home.path() + "/pages/page-1.png"));

    home.writeFile(QStringLiteral("info/LayoutC.vkt"), "\"Stat\rRemarks\rWD\r\"\r\n");
    home.writeFile(QStringLiteral("info/LayoutChdr.vkt"), "TitleP = 1\r\nFontSZ = 12\r\n");
    expectReport({"12.5", "--surface", "Soil", "--layout"}, {"Stat", "WD", "120.5", "Remarks"}, {"Col 2"});
}

TEST_F(ReportCommandTest, RefusalsAndUnknownEntriesEndWithoutAReport)
{
    const std::tuple<const char *, QStringList, const char *> cases[] = {
        {"writeout/ng7700a.txt", {"12.5", "--surface", "Soil", "--columns", "Wet Dens,Bogus"}, "\"Wet Dens\""},
        {"writeout/ng7700a.txt", {"12.5", "--columns", "Stat"}, "--surface"},
        {"writeout/sg2150.txt", {"RUN1", "--columns", "Noise Data,Noise Data"}, "Report already contains Noise Data Values"},
        {"writeout/sg2150.txt", {"RUN9", "--columns", "Frequency"}, "the tables are: RUN1"},
        {"writeout/ng7700a.txt", {"12.5", "--surface", "Soil", "--layout"}, "No Layout to Load."},
        {"writeout/ng7700a.txt", {"12.5", "--surface", "Soil", "--layout", "--font", "10"}, "leave out --columns and --font"},
    };
    const QString pdf = home.path() + QStringLiteral("/refused.pdf");
    for (const auto &[file, args, said] : cases) {
        openSample(file);
        const auto r = report(args + QStringList{"--pdf", pdf});
        EXPECT_NE(r.exitCode, 0) << said;
        EXPECT_TRUE((r.out + r.err).contains(said)) << said << "\n" << r.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(pdf)) << said;
    }
}

} // namespace
