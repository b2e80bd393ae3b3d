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

TEST(EngineReports, PageRangeHoldsThosePagesOnlyForBothStiffnessGaugeReports)
{
    test::TempHome home;
    AppState state;
    state.DeviceCode = SG2150;
    state.CurrentTable = "RUN3";
    exporting::ExportChoices choices{"DISK", "PDF", "RANGE", "2", "3", "ALL", home.path() + "/main.pdf", home.path() + "/stiff.pdf"};
    // Each report is titled by its name and holds 120 value lines, "V001" to "V120", at 50 lines a page: three pages.
    exporting::EngineReports reports([](ReportOnScreen which) {
        report::ReportDocument document;
        document.setSectionHeight(report::Section::PageHeader, 600);
        document.addText({.name = "Title", .section = report::Section::PageHeader,
                          .text = which == ReportOnScreen::Main ? "MAIN REPORT" : "STIFFNESS REPORT", .width = 4000, .height = 300});
        QString values;
        for (int i = 1; i <= 120; ++i)
            values += QString("V%1\r").arg(i, 3, 10, QChar('0'));
        document.addText({.name = "Col 1", .section = report::Section::Details, .text = values, .width = 2000, .height = 240});
        document.setRowsPerPage(50);
        return document;
    });
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
