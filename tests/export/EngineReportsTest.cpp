#include "export/EngineReports.h"

#include "db/Database.h"
#include "export/ExportHandler.h"
#include "support/ScriptedPrompter.h"
#include "support/TempHome.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace valtrane;
using exporting::ReportOnScreen;

namespace {

// A report of 120 value lines, "V001" to "V120", at 50 lines a page: three pages.
report::ReportDocument threePages(const QString &title)
{
    report::ReportDocument document;
    document.setSectionHeight(report::Section::PageHeader, 600);
    report::TextObject heading;
    heading.name = "Title";
    heading.section = report::Section::PageHeader;
    heading.text = title;
    heading.width = 4000;
    heading.height = 300;
    document.addText(heading);
    report::TextObject values;
    values.name = "Col 1";
    values.section = report::Section::Details;
    for (int i = 1; i <= 120; ++i)
        values.text += QString("V%1\r").arg(i, 3, 10, QChar('0'));
    values.width = 2000;
    values.height = 240;
    document.addText(values);
    document.setRowsPerPage(50);
    return document;
}

QString run(const QString &program, const QStringList &args)
{
    QProcess process;
    process.start(program, args);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

class EngineReportsTest : public ::testing::Test {
protected:
    bool exportAs(const char *format)
    {
        state.DeviceCode = SG2150;
        state.CurrentTable = "RUN3";
        choices.ExportFormatChoice = format;
        choices.ExportRangeChoice = "RANGE";
        choices.ExportRangeFirst = "2";
        choices.ExportRangeLast = "3";
        choices.RawExportFile = home.path() + "/main." + QString(format).toLower();
        choices.StiffnessExportFile = home.path() + "/stiff." + QString(format).toLower();
        exporting::EngineReports reports([](ReportOnScreen which) {
            return threePages(which == ReportOnScreen::Main ? "MAIN REPORT" : "STIFFNESS REPORT");
        });
        exporting::ExportHandler handler(home.paths(), state, choices, prompter, reports);
        db::Database unused;
        const bool ok = handler.run(unused, ReportOnScreen::Main);
        error = handler.errorText();
        return ok;
    }

    test::TempHome home;
    AppState state;
    exporting::ExportChoices choices;
    test::ScriptedPrompter prompter;
    QString error;
};

TEST_F(EngineReportsTest, PageRangeHoldsThosePagesOnlyForBothStiffnessGaugeReports)
{
    ASSERT_TRUE(exportAs("PDF")) << error.toStdString();
    for (const char *name : {"main.pdf", "stiff.pdf"}) {
        const QString file = home.path() + '/' + name;
        EXPECT_TRUE(run("pdfinfo", {file}).contains(QRegularExpression("Pages:\\s+2\\n"))) << name;
        const QString text = run("pdftotext", {"-layout", file, "-"});
        EXPECT_TRUE(text.contains("V051") && text.contains("V120") && !text.contains("V050")) << name;
    }
    EXPECT_TRUE(run("pdftotext", {home.path() + "/stiff.pdf", "-"}).contains("STIFFNESS REPORT"));

    ASSERT_TRUE(exportAs("RTF")) << error.toStdString();
    const QByteArray rtf = home.readFile("main.rtf");
    EXPECT_TRUE(rtf.startsWith("{\\rtf") && rtf.contains("V051") && rtf.contains("V120") && !rtf.contains("V050"));
}

} // namespace
