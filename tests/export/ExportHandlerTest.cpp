#include "export/ExportHandler.h"

#include "db/Database.h"
#include "export/Writeout.h"
#include "export/WriteoutStiffy.h"
#include "support/ProjectTables.h"
#include "support/ScriptedPrompter.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace valtrane;
using exporting::ExportHandler;
using exporting::ReportOnScreen;

namespace {

class RecordingReports : public exporting::ExportReports {
public:
    bool exportReport(ReportOnScreen which, const report::ReportExportOptions &options, QString &error) override
    {
        calls.push_back({which, options});
        error = failWith;
        return failWith.isEmpty();
    }
    std::vector<std::pair<ReportOnScreen, report::ReportExportOptions>> calls;
    QString failWith;
};

class ExportHandlerTest : public ::testing::Test {
protected:
    void project(int model)
    {
        test::addTables(home.paths(), test::sampleProject(model));
        state.DeviceCode = model;
        state.Table_List = test::sampleTableList(model);
        state.CurrentTable = test::sampleTableList(model).section(' ', 0, 0).remove('.');
        state.ExportConfirmed = true;
        choices.RawExportFile = home.path() + "/DataRaw.csv";
        choices.StiffnessExportFile = home.path() + "/DataStif.csv";
    }
    bool run(ReportOnScreen shown = ReportOnScreen::Main)
    {
        db::Database connection;
        return handler.afterDialog(connection, shown);
    }
    QByteArray rawData(bool csvReport)
    {
        AppState writerState;
        writerState.CsvReport = csvReport;
        db::Database connection;
        EXPECT_TRUE(exporting::Writeout(home.paths()).writeout(connection, home.path() + "/expected.txt", state.Table_List,
                                                                state.DeviceCode, state.CurrentTable, writerState));
        return home.readFile("expected.txt");
    }
    QByteArray stiffnessSummary()
    {
        db::Database connection;
        EXPECT_TRUE(connection.open(home.paths().database()));
        const auto cells = report::StiffnessReportCells::build(connection, state.CurrentTable, state.StiffnessConstants);
        EXPECT_TRUE(cells && exporting::writeoutStiffy(*cells, home.path() + "/expected.csv", prompter));
        return home.readFile("expected.csv");
    }

    test::TempHome home;
    AppState state;
    exporting::ExportChoices choices;
    test::ScriptedPrompter prompter;
    RecordingReports reports;
    ExportHandler handler{home.paths(), state, choices, prompter, reports};
};

class CsvExportOfEachModel : public ExportHandlerTest, public ::testing::WithParamInterface<int> {};

TEST_P(CsvExportOfEachModel, WritesWhatWriteoutWritesForTheTableOnScreen)
{
    const int model = GetParam();
    project(model);
    ASSERT_TRUE(run()) << handler.errorText().toStdString();
    EXPECT_EQ(home.readFile("DataRaw.csv"), rawData(model == NG7700A));
    EXPECT_EQ(home.exists("DataStif.csv"), model == SG2150);
    EXPECT_EQ(home.readFile("DataStif.csv"), model == SG2150 ? stiffnessSummary() : QByteArray());
    EXPECT_EQ(std::tuple(state.CsvReport, state.ExportConfirmed, reports.calls.size()), std::tuple(false, false, size_t(0)));
}

INSTANTIATE_TEST_SUITE_P(Models, CsvExportOfEachModel, ::testing::Values(LD4800, NG7700A, NG7700B, SG2150));

TEST_F(ExportHandlerTest, AFailedExportLeavesTheOldFile)
{
    const std::vector<std::pair<const char *, std::function<void()>>> spoilers{{"no tables listed", [this] { state.Table_List.clear(); }},
                                                                             {"table not in the database", [this] { state.CurrentTable = "CBR_LBR9"; }},
                                                                             {"no file name", [this] { choices.RawExportFile.clear(); }}};
    for (const auto &[what, spoil] : spoilers) {
        project(LD4800);
        home.writeFile("DataRaw.csv", "old export\r\n");
        spoil();
        EXPECT_FALSE(run()) << what;
        EXPECT_EQ(std::pair(handler.errorText().isEmpty(), home.readFile("DataRaw.csv")), std::pair(false, QByteArray("old export\r\n"))) << what;
    }
}

TEST_F(ExportHandlerTest, ReportsGetTheirDestinationNameFormatAndPages)
{
    using Call = std::tuple<ReportOnScreen, int, QString, int, bool, int, int>;
    const auto Main = ReportOnScreen::Main, Stiff = ReportOnScreen::Stiffness;
    struct Case { int model; QStringList choices; ReportOnScreen shown; std::vector<Call> calls; };  // choices: destination, format, range, what
    const std::vector<Case> cases{
        {NG7700B, {"DISK", "PDF", "ALL", "ALL"}, Main, {{Main, 1, "/r/DataRaw.pdf", 31, true, 1, 1}}},
        {LD4800, {"DISK", "RTF", "RANGE", "ALL"}, Main, {{Main, 1, "/r/DataRaw.pdf", 35, false, 2, 3}}},
        {SG2150, {"DISK", "PDF", "RANGE", "ALL"}, Stiff, {{Main, 1, "/r/DataRaw.pdf", 31, false, 2, 3}, {Stiff, 1, "/r/DataStif.pdf", 31, false, 2, 3}}},
        {SG2150, {"DISK", "PDF", "ALL", "CURRENT"}, Stiff, {{Stiff, 1, "/r/DataStif.pdf", 31, true, 1, 1}}},
        {SG2150, {"APPLICATION", "RTF", "ALL", "ALL"}, Main, {{Main, 5, "", 35, true, 1, 1}, {Stiff, 5, "", 35, true, 1, 1}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.choices.join(' ').toStdString() + " model " + std::to_string(c.model));
        exporting::ExportChoices chosen{c.choices[0], c.choices[1], c.choices[2], "2", "3", c.choices[3], "/r/DataRaw.pdf", "/r/DataStif.pdf"};
        AppState fresh;
        fresh.DeviceCode = c.model;
        fresh.CurrentTable = "T";
        RecordingReports recorder;
        db::Database unused;
        ASSERT_TRUE(ExportHandler(home.paths(), fresh, chosen, prompter, recorder).run(unused, c.shown));
        std::vector<Call> calls;
        for (const auto &[which, o] : recorder.calls)
            calls.emplace_back(which, o.destinationType, o.diskFileName, o.formatType, o.allPages, o.allPages ? 1 : o.firstPage,
                               o.allPages ? 1 : o.lastPage);
        EXPECT_EQ(calls, c.calls);
    }
}

TEST_F(ExportHandlerTest, AnUnwritableStiffnessSummaryIsToldWhileTheRawDataIsWritten)
{
    project(SG2150);
    home.writeFile("blocker", "a file where a folder should be");
    choices.StiffnessExportFile = home.path() + "/blocker/DataStif.csv";
    EXPECT_FALSE(run());
    EXPECT_EQ(prompter.texts(), QStringList{"Error Opening File.  Make sure file is closed."});
    EXPECT_EQ(std::pair(handler.errorText(), home.readFile("DataRaw.csv")), std::pair(QString(), rawData(false)));  // already told
}

TEST_F(ExportHandlerTest, CurrentDataWritesOnlyTheFileOfTheReportOnScreen)
{
    project(SG2150);
    choices.ExportWhatChoice = "CURRENT";
    for (const auto &[shown, file, other] : {std::tuple(ReportOnScreen::Stiffness, "DataStif.csv", "DataRaw.csv"), std::tuple(ReportOnScreen::Main, "DataRaw.csv", "DataStif.csv")}) {
        QFile::remove(home.path() + '/' + other);
        state.ExportConfirmed = true;
        ASSERT_TRUE(run(shown));
        EXPECT_EQ(handler.writtenFiles(), QStringList{home.path() + '/' + file});
        EXPECT_FALSE(home.exists(other));
    }
}

TEST_F(ExportHandlerTest, CancelOrAFailedReportEndsTheExport)
{
    project(SG2150);
    choices.ExportFormatChoice = "PDF";
    state.ExportConfirmed = false;
    EXPECT_TRUE(run());
    EXPECT_TRUE(reports.calls.empty());
    state.ExportConfirmed = true;
    reports.failWith = "The disk is full.";
    EXPECT_FALSE(run());
    EXPECT_EQ(reports.calls.size(), 1u);  // the stiffness report is not tried after the main one failed
    EXPECT_TRUE(handler.errorText().contains("The disk is full.")) << handler.errorText().toStdString();
}

} // namespace
