#include "export/ExportHandler.h"

#include "db/Database.h"
#include "export/Writeout.h"
#include "export/WriteoutStiffy.h"
#include "report/StiffnessReportCells.h"
#include "support/ProjectTables.h"
#include "support/ScriptedPrompter.h"
#include "support/TempHome.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace valtrane;
using exporting::ExportHandler;
using exporting::ReportOnScreen;

namespace {

// Records what the engine was asked to export, and writes nothing.
class RecordingReports : public exporting::ExportReports {
public:
    struct Call {
        ReportOnScreen which;
        report::ReportExportOptions options;
    };
    bool exportReport(ReportOnScreen which, const report::ReportExportOptions &options, QString &error) override
    {
        calls.push_back({which, options});
        error = failWith;
        return failWith.isEmpty();
    }
    std::vector<Call> calls;
    QString failWith;
};

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

class ExportHandlerTest : public ::testing::Test {
protected:
    void project(int model)
    {
        test::addTables(home.paths(), test::sampleProject(model));
        state.DeviceCode = model;
        state.Table_List = test::sampleTableList(model);
        state.CurrentTable = test::sampleTableList(model).section(' ', 0, 0).remove('.');
        state.ExportConfirmed = true;
        choices.RawExportFile = file("DataRaw.csv");
        choices.StiffnessExportFile = file("DataStif.csv");
    }
    bool run(ReportOnScreen shown = ReportOnScreen::Main)
    {
        db::Database connection;
        return handler.afterDialog(connection, shown);
    }
    QString file(const QString &name) const { return home.path() + '/' + name; }

    // What writeout writes for the table on screen, with the comma variant as given.
    QByteArray rawData(bool csvReport)
    {
        AppState writerState;
        writerState.CsvReport = csvReport;
        db::Database connection;
        exporting::Writeout writer(home.paths());
        const QString out = file("expected.txt");
        EXPECT_TRUE(writer.writeout(connection, out, state.Table_List, state.DeviceCode, state.CurrentTable, writerState));
        return readAll(out);
    }
    QByteArray stiffnessSummary()
    {
        db::Database connection;
        EXPECT_TRUE(connection.open(home.paths().database()));
        const auto cells = report::StiffnessReportCells::build(connection, state.CurrentTable, state.StiffnessConstants);
        const QString out = file("expected.csv");
        EXPECT_TRUE(cells && exporting::writeoutStiffy(*cells, out, prompter));
        return readAll(out);
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
    EXPECT_EQ(readAll(file("DataRaw.csv")), rawData(model == NG7700A));
    EXPECT_EQ(QFile::exists(file("DataStif.csv")), model == SG2150);
    if (model == SG2150)
        EXPECT_EQ(readAll(file("DataStif.csv")), stiffnessSummary());
    EXPECT_FALSE(state.CsvReport);
    EXPECT_FALSE(state.ExportConfirmed);
    EXPECT_TRUE(reports.calls.empty());
}

INSTANTIATE_TEST_SUITE_P(Models, CsvExportOfEachModel, ::testing::Values(LD4800, NG7700A, NG7700B, SG2150));

TEST_F(ExportHandlerTest, CurrentDataWritesOnlyTheFileOfTheReportOnScreen)
{
    project(SG2150);
    choices.ExportWhatChoice = "CURRENT";
    ASSERT_TRUE(run(ReportOnScreen::Stiffness));
    EXPECT_EQ(handler.writtenFiles(), QStringList{file("DataStif.csv")});
    EXPECT_FALSE(QFile::exists(file("DataRaw.csv")));

    QFile::remove(file("DataStif.csv"));
    state.ExportConfirmed = true;
    ASSERT_TRUE(run(ReportOnScreen::Main));
    EXPECT_EQ(handler.writtenFiles(), QStringList{file("DataRaw.csv")});
    EXPECT_FALSE(QFile::exists(file("DataStif.csv")));
}

TEST_F(ExportHandlerTest, NothingIsExportedWhenTheDialogWasCancelled)
{
    project(SG2150);
    choices.ExportFormatChoice = "PDF";
    state.ExportConfirmed = false;
    EXPECT_TRUE(run());
    EXPECT_TRUE(reports.calls.empty());
}

TEST_F(ExportHandlerTest, AFailedExportSaysWhyAndLeavesTheOldFileAsItWas)
{
    struct Case {
        const char *what;
        std::function<void(AppState &, exporting::ExportChoices &)> spoil;
    };
    const std::vector<Case> cases{
        {"no tables listed", [](AppState &s, exporting::ExportChoices &) { s.Table_List.clear(); }},
        {"table not in the database", [](AppState &s, exporting::ExportChoices &) { s.CurrentTable = "CBR_LBR9"; }},
        {"no file name", [](AppState &, exporting::ExportChoices &c) { c.RawExportFile.clear(); }},
    };
    for (const Case &c : cases) {
        project(LD4800);
        home.writeFile("DataRaw.csv", "old export\r\n");
        c.spoil(state, choices);
        EXPECT_FALSE(run()) << c.what;
        EXPECT_FALSE(handler.errorText().isEmpty()) << c.what;
        EXPECT_EQ(home.readFile("DataRaw.csv"), "old export\r\n") << c.what;
    }
}

TEST_F(ExportHandlerTest, AStiffnessSummaryThatCannotBeWrittenIsToldAndTheRawDataStillWritten)
{
    project(SG2150);
    home.writeFile("blocker", "a file where a folder should be");
    choices.StiffnessExportFile = file("blocker/DataStif.csv");
    EXPECT_FALSE(run());
    EXPECT_EQ(prompter.texts(), QStringList{"Error Opening File.  Make sure file is closed."});
    EXPECT_TRUE(handler.errorText().isEmpty());  // already told
    EXPECT_EQ(readAll(file("DataRaw.csv")), rawData(false));
}

TEST_F(ExportHandlerTest, ReportsGetTheirDestinationNameFormatAndPages)
{
    using Call = std::tuple<ReportOnScreen, int, QString, int, bool, int, int>;
    struct Case {
        const char *what;
        int model;
        exporting::ExportChoices choices;
        ReportOnScreen shown;
        std::vector<Call> calls;
    };
    const auto make = [](const char *dest, const char *format, const char *range, const char *what) {
        exporting::ExportChoices c;
        c.ExportDestChoice = dest;
        c.ExportFormatChoice = format;
        c.ExportRangeChoice = range;
        c.ExportRangeFirst = "2";
        c.ExportRangeLast = "3";
        c.ExportWhatChoice = what;
        c.RawExportFile = "/r/DataRaw.pdf";
        c.StiffnessExportFile = "/r/DataStif.pdf";
        return c;
    };
    const auto Main = ReportOnScreen::Main;
    const auto Stiff = ReportOnScreen::Stiffness;
    const std::vector<Case> cases{
        {"pdf of the main report", NG7700B, make("DISK", "PDF", "ALL", "ALL"), Main,
         {{Main, 1, "/r/DataRaw.pdf", 31, true, 1, 1}}},
        {"rtf of pages 2 to 3", LD4800, make("DISK", "RTF", "RANGE", "ALL"), Main,
         {{Main, 1, "/r/DataRaw.pdf", 35, false, 2, 3}}},
        {"both stiffness gauge reports", SG2150, make("DISK", "PDF", "RANGE", "ALL"), Stiff,
         {{Main, 1, "/r/DataRaw.pdf", 31, false, 2, 3}, {Stiff, 1, "/r/DataStif.pdf", 31, false, 2, 3}}},
        {"the stiffness report on screen", SG2150, make("DISK", "PDF", "ALL", "CURRENT"), Stiff,
         {{Stiff, 1, "/r/DataStif.pdf", 31, true, 1, 1}}},
        {"to the application", SG2150, make("APPLICATION", "RTF", "ALL", "ALL"), Main,
         {{Main, 5, "", 35, true, 1, 1}, {Stiff, 5, "", 35, true, 1, 1}}},
    };
    for (const Case &c : cases) {
        AppState fresh;
        RecordingReports recorder;
        fresh.DeviceCode = c.model;
        fresh.CurrentTable = "T";
        ExportHandler fresher(home.paths(), fresh, c.choices, prompter, recorder);
        db::Database unused;
        ASSERT_TRUE(fresher.run(unused, c.shown)) << c.what;
        std::vector<Call> calls;
        for (const auto &call : recorder.calls) {
            const auto &o = call.options;
            calls.emplace_back(call.which, o.destinationType, o.diskFileName, o.formatType, o.allPages,
                               o.allPages ? 1 : o.firstPage, o.allPages ? 1 : o.lastPage);
        }
        EXPECT_EQ(calls, c.calls) << c.what;
    }
}

TEST_F(ExportHandlerTest, AReportTheEngineCannotExportEndsTheExport)
{
    project(SG2150);
    choices.ExportFormatChoice = "PDF";
    reports.failWith = "The disk is full.";
    EXPECT_FALSE(run());
    EXPECT_EQ(reports.calls.size(), 1u);  // the stiffness report is not tried after the main one failed
    EXPECT_TRUE(handler.errorText().contains("The disk is full.")) << handler.errorText().toStdString();
}

} // namespace
