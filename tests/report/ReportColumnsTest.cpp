#include "db/TableKinds.h"
#include "report/ReportColumns.h"
#include "report/ReportLayouts.h"
#include "report/ReportTestSupport.h"
#include "report/StiffnessReportCells.h"
#include "support/ProjectTables.h"
#include "support/ScriptedPrompter.h"

using namespace valtrane;
using report::ReportColumns;
using report::ReportLayouts;

namespace {

class StiffnessColumns : public ::testing::Test {
protected:
    void SetUp() override
    {
        f.open(QStringLiteral("writeout/sg2150.txt"));
        f.setUp(QStringLiteral("RUN1"), QStringLiteral("N"));
    }
    ReportColumns::Placement place(int position, const QString &object)
    {
        ReportColumns columns(f.reports.Report, f.reports.columns, f.database, SG2150, 9);
        return columns.placeColumnObject(position, object, QStringLiteral("RUN1"), QStringLiteral("N"), prompter);
    }
    QString header(int index) const { return f.reports.Report.text(ReportLayouts::headerName(index)); }

    test::ReportFixture f;
    test::ScriptedPrompter prompter;
};

TEST_F(StiffnessColumns, NoiseDataOnColumn14FillsFourColumnsUnderItsLabel)
{
    ASSERT_EQ(place(13, QStringLiteral("Noise Data")), ReportColumns::Placement::Placed);
    const QStringList fields{"REAL_DISPL_ND", "REAL_FORCE_ND", "IMAG_DISPL_ND", "IMAG_FORCE_ND"};
    const auto rows = test::tableRows(f.home.paths(), QStringLiteral("RUN1"));
    const report::ReportDocument &r = f.reports.Report;
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(r.text(ReportLayouts::dataName(15 + k)), test::stacked(rows, fields[k])) << k;
    const QString label = ReportLayouts::groupLabelName(QStringLiteral("Noise Data")), last = ReportLayouts::borderName(18);
    EXPECT_EQ(std::tuple(f.reports.columns.NoiseDataPlaced, int(f.reports.columns.NoiseDataLastColumn), header(19), r.suppressed(label), r.text(label)),
              std::tuple(true, 18, QString("Remarks"), false, QString("Noise Data (Counts)")));
    EXPECT_EQ(std::pair(r.left(label), r.left(label) + r.width(label) + 60), std::pair(r.left(ReportLayouts::borderName(15)), r.left(last) + r.width(last)));
}

TEST_F(StiffnessColumns, RefusalsAreToldAndChangeNothing)
{
    struct Refusal { int position; const char *object; QString message; };
    ASSERT_EQ(place(0, QStringLiteral("Noise Data")), ReportColumns::Placement::Placed);
    const Refusal refusals[] = {{14, "Signal Data", "Not enough room to place contents.  Select another column."}, {6, "Noise Data", "Report already contains Noise Data Values"},
                                {-1, "Frequency", "Select a column please."}, {17, "Frequency", "Select a column please."}};
    for (const Refusal &r : refusals) {
        const auto before = f.reports.Report.texts();
        prompter.shown.clear();
        EXPECT_EQ(place(r.position, QString::fromLatin1(r.object)), ReportColumns::Placement::Refused) << r.object;
        ASSERT_EQ(prompter.texts(), QStringList{r.message}) << r.object;
        for (size_t i = 0; i < before.size(); ++i)
            EXPECT_EQ(f.reports.Report.texts()[i].text, before[i].text) << r.object << " " << before[i].name.toStdString();
    }
}

TEST_F(StiffnessColumns, RemarksFollowTheLastUsedColumn)
{
    ASSERT_EQ(place(0, QStringLiteral("Frequency")), ReportColumns::Placement::Placed);
    ASSERT_EQ(place(1, QStringLiteral("Signal Data")), ReportColumns::Placement::Placed);
    EXPECT_EQ(std::tuple(header(7), f.reports.Report.suppressed(ReportLayouts::borderName(6)), f.reports.Report.suppressed(ReportLayouts::borderName(7))),
              std::tuple(QString("Remarks"), false, true));
}

TEST_F(StiffnessColumns, NoneInsideAGroupClearsTheWholeGroup)
{
    ASSERT_EQ(place(0, QStringLiteral("Frequency")), ReportColumns::Placement::Placed);
    ASSERT_EQ(place(1, QStringLiteral("Signal Data")), ReportColumns::Placement::Placed);
    ASSERT_EQ(place(3, QStringLiteral("None")), ReportColumns::Placement::Placed);
    for (int i = 4; i <= 7; ++i)
        EXPECT_EQ(header(i) + '|' + f.reports.Report.text(ReportLayouts::dataName(i)), QStringLiteral("Col %1| ").arg(i - 1));
    EXPECT_EQ(std::pair(f.reports.columns.SignalDataPlaced, header(3)), std::pair(false, QString("Remarks")));
}

TEST_F(StiffnessColumns, OnlyPlaceholderColumnsHideWhilePrinting)
{
    for (const auto &[position, object] : {std::pair(0, "Frequency"), std::pair(1, "Signal Data"), std::pair(3, "None"), std::pair(5, "Signal Data")})
        ASSERT_EQ(place(position, QString::fromLatin1(object)), ReportColumns::Placement::Placed) << object;
    ReportColumns columns(f.reports.Report, f.reports.columns, f.database, SG2150, 9);
    columns.ShowPlaceholderColumns(true);
    EXPECT_EQ(std::pair(f.reports.Report.suppressed(ReportLayouts::headerName(4)), f.reports.Report.suppressed(ReportLayouts::headerName(7))), std::pair(true, false));
    columns.ShowPlaceholderColumns(false);
    EXPECT_FALSE(f.reports.Report.suppressed(ReportLayouts::headerName(4)));
}

void openLoggerTest(test::ReportFixture &f, int readings)
{
    test::TableContent table{QStringLiteral("CBR_LBR1"), db::LoggerTestTable, {"READNUMBER", "TIME", "CH1"}, {}};
    for (int n = 1; n <= readings; ++n)
        table.records.push_back({QString::number(n), QStringLiteral("00:%1").arg(n), QString::number(n)});
    test::addTables(f.home.paths(), {table});
    ASSERT_TRUE(f.database.open(f.home.paths().database()));
    f.state.DeviceCode = LD4800;
}

QString readingNumbers(int from, int to)
{
    QString text;
    for (int n = from; n <= to; ++n)
        text += QString::number(n) + QLatin1Char('\r');
    return text;
}

TEST(ReportColumns, LoadFrameReadingsBeyondAColumnBlockGoRightAtEveryFontSize)
{
    test::ReportFixture f;
    ASSERT_NO_FATAL_FAILURE(openLoggerTest(f, 80));
    test::ScriptedPrompter prompter;
    for (int size = 9; size <= 12; ++size) {
        f.setUp(QStringLiteral("CBR_LBR1"), QStringLiteral("N"));
        report::ReportSetup(f.reports, f.database, f.home.paths(), f.state).applyReportFont(size, QStringLiteral("CBR_LBR1"), QStringLiteral("N"));
        ReportColumns columns(f.reports.Report, f.reports.columns, f.database, LD4800, size);
        ASSERT_EQ(columns.placeColumnObject(0, QStringLiteral("Time"), QStringLiteral("CBR_LBR1"), QStringLiteral("N"), prompter), ReportColumns::Placement::Placed);
        const int rows = report::ReportDocument::rowsPerColumn(size), half = ReportLayouts::twinOffset(size);
        const QString left = readingNumbers(1, rows - 1) + (80 >= 2 * rows ? readingNumbers(2 * rows, 80) : QString());
        const QString right = readingNumbers(rows, std::min(80, 2 * rows - 1));
        const report::ReportDocument &report = f.reports.Report;
        EXPECT_EQ(std::tuple(report.text(ReportLayouts::dataName(1)), report.text(ReportLayouts::dataName(1 + half)), report.text(ReportLayouts::dataName(2 + half)).count('\r')),
                  std::tuple(left, right, right.count('\r'))) << size;
        QStringList headers;
        for (int i = 1; i <= 4; ++i)
            headers << report.text(ReportLayouts::headerName(i + half));
        EXPECT_EQ(headers, QStringList({"RD#", "Time", "Remarks", QStringLiteral("Co1 %1").arg(3 + half)})) << size;
    }
}

TEST(ReportColumns, ALoadFrameRunThatFitsOneBlockStaysLeft)
{
    test::ReportFixture fits;
    ASSERT_NO_FATAL_FAILURE(openLoggerTest(fits, 35));
    fits.setUp(QStringLiteral("CBR_LBR1"), QStringLiteral("N"));
    report::ReportSetup(fits.reports, fits.database, fits.home.paths(), fits.state).applyReportFont(12, QStringLiteral("CBR_LBR1"), QStringLiteral("N"));
    EXPECT_EQ(QStringList({fits.reports.Report.text(ReportLayouts::dataName(1)), fits.reports.Report.text(ReportLayouts::dataName(6))}), QStringList({readingNumbers(1, 35), " "}));
}

TEST(ReportColumns, StiffyCellsAreTheStiffnessSummaryOfTheSameRun)
{
    for (const char *run : {"RUN1", "RUN21"}) {
        test::ReportFixture stiffy;
        test::addTables(stiffy.home.paths(), test::sampleProject(SG2150));
        ASSERT_TRUE(stiffy.database.open(stiffy.home.paths().database()));
        stiffy.state.DeviceCode = SG2150;
        stiffy.state.StiffnessConstants[0] = StiffnessConstant::fromNumber(0.3);
        stiffy.state.StiffnessConstants[1] = StiffnessConstant::fromNumber(1.2);
        stiffy.setUp(QString::fromLatin1(run), QStringLiteral("N"));
        const auto cells = report::StiffnessReportCells::build(stiffy.database, QString::fromLatin1(run), stiffy.state.StiffnessConstants);
        ASSERT_TRUE(cells);
        const report::ReportDocument &results = stiffy.reports.StiffyReport;
        for (int c = 0; c < ReportLayouts::StiffyColumnCount; ++c)
            EXPECT_EQ(results.text(ReportLayouts::stiffyDataName(c)), cells->columns[size_t(c)]) << run << " " << c;
        const bool summaryOnly = QLatin1String(run) == QLatin1String("RUN21");
        for (int r = 0; r < 6; ++r) {
            const report::TextObject *cell = results.textObject(ReportLayouts::stiffyAverageName(r));
            EXPECT_EQ(std::tuple(cell->suppress, cell->bottomLine, cell->leftLine, cell->text), std::tuple(summaryOnly, summaryOnly ? report::NoLine : report::SingleLine,
                                 r == 0 && !summaryOnly ? report::SingleLine : report::NoLine, summaryOnly ? cell->text : cells->averages[size_t(r)]))
                << run << " " << r;
        }
        const QString runLine = stiffy.reports.Report.text(QStringLiteral("RunLine"));
        EXPECT_EQ(QStringList({runLine.section(' ', 0, 0), results.text(QStringLiteral("RunLine")), stiffy.reports.Report.text(ReportLayouts::headerName(1))}),
                  QStringList({summaryOnly ? "21+" : "1", runLine, summaryOnly ? "RN#" : "BN#"})) << run;
    }
}

} // namespace
