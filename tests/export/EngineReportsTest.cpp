#include "export/EngineReports.h"

#include "db/Database.h"
#include "export/ExportHandler.h"
#include "support/PdfText.h"
#include "support/ScriptedPrompter.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

using namespace valtrane;
using exporting::ReportOnScreen;

namespace {

// A report titled title of 120 value lines, "V001" to "V120", at 50 lines a page: three pages.
report::ReportDocument threePages(const QString &title)
{
    report::ReportDocument document;
    document.setSectionHeight(report::Section::PageHeader, 600);
    report::TextObject text;
    text.name = "Title";
    text.section = report::Section::PageHeader;
    text.text = title;
    text.width = 4000;
    text.height = 300;
    document.addText(text);
    text = {};
    text.name = "Col 1";
    text.section = report::Section::Details;
    for (int i = 1; i <= 120; ++i)
        text.text += QString("V%1\r").arg(i, 3, 10, QChar('0'));
    text.width = 2000;
    text.height = 240;
    document.addText(text);
    document.setRowsPerPage(50);
    return document;
}

TEST(EngineReports, PageRangeHoldsThosePagesOnlyForBothStiffnessGaugeReports)
{
    test::TempHome home;
    AppState state;
    state.DeviceCode = SG2150;
    state.CurrentTable = "RUN3";
    exporting::ExportChoices choices;
    choices.ExportFormatChoice = "PDF";
    choices.ExportRangeChoice = "RANGE";
    choices.ExportRangeFirst = "2";
    choices.ExportRangeLast = "3";
    choices.RawExportFile = home.path() + "/main.pdf";
    choices.StiffnessExportFile = home.path() + "/stiff.pdf";
    exporting::EngineReports reports(
        [](ReportOnScreen which) { return threePages(which == ReportOnScreen::Main ? "MAIN REPORT" : "STIFFNESS REPORT"); });
    test::ScriptedPrompter prompter;
    exporting::ExportHandler handler(home.paths(), state, choices, prompter, reports);
    db::Database unused;
    ASSERT_TRUE(handler.run(unused, ReportOnScreen::Main)) << handler.errorText().toStdString();
    for (const char *name : {"main", "stiff"}) {
        const QString file = home.path() + '/' + name + ".pdf";
        EXPECT_EQ(test::pdfText(file, 3), QString()) << name;
        const QString text = test::pdfText(file);
        EXPECT_TRUE(text.contains("V051") && text.contains("V120") && !text.contains("V050")) << name;
        EXPECT_EQ(text.contains("STIFFNESS REPORT"), QLatin1String(name) == QLatin1String("stiff")) << name;
    }
}

} // namespace
