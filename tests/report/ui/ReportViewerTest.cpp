#include "report/ui/ReportPrinter.h"
#include "report/ui/ReportViewer.h"
#include "support/ReportSamples.h"

#include <QPrinter>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace valtrane;
using namespace valtrane::report;

namespace {

struct ShownReport {
    ReportDocument document = test::sampleLabReport(120, 3);
    ReportViewer viewer;
    ShownReport()
    {
        viewer.resize(900, 700);
        viewer.setDocument(&document);
        viewer.show();
    }
};

} // namespace

TEST(ReportViewer, ALeftClickReportsThePlaceInTwipsAndTheObjectThere)
{
    ShownReport shown;
    ReportPageView *view = shown.viewer.pageView();
    QSignalSpy clicks(&shown.viewer, &ReportViewer::clicked);
    struct Case { int page; QPoint twips; const char *object; };
    const int detailsTop2 = ReportRenderer(shown.document).pages().bands(2).detailsTop;
    for (const Case &c : {Case{1, QPoint(8000, 560), "Company"}, Case{2, QPoint(1800, detailsTop2 + 400), "Data1"},
                          Case{1, QPoint(300, 300), ""}}) {
        view->showPage(c.page);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->viewportPoint(c.page, c.twips));
        ASSERT_EQ(clicks.size(), 1) << c.object;
        const QList<QVariant> args = clicks.takeFirst();
        EXPECT_EQ(args[0].toInt(), c.page) << c.object;
        const QPoint twips = args[1].toPoint();
        const int tolerance = int(1 / view->pixelsPerTwip()) + 1;
        EXPECT_LE((twips - c.twips).manhattanLength(), 2 * tolerance) << c.object;
        EXPECT_EQ(args[2].toString(), c.object);
    }
}

TEST(ReportViewer, ZoomFitsTheWidthOrTheWholePage)
{
    ShownReport shown;
    ReportPageView *view = shown.viewer.pageView();
    const int width = view->viewport()->width();
    const int height = view->viewport()->height();
    view->setZoom(ReportPageView::Zoom::FitWidth);
    EXPECT_NEAR(shown.document.pageWidth() * view->pixelsPerTwip(), width, 30);
    view->setZoom(ReportPageView::Zoom::FitPage);
    EXPECT_LE(shown.document.pageWidth() * view->pixelsPerTwip(), width);
    EXPECT_NEAR(shown.document.pageHeight() * view->pixelsPerTwip(), height, 30);
    view->showPage(3);
    EXPECT_EQ(view->currentPage(), 3);
}

TEST(ReportPrinter, PrintsTheChosenPagesInTheReportsOrientation)
{
    QTemporaryDir dir;
    const ReportDocument document = test::sampleLabReport(160, 2);
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("printed.pdf"));
    printer.setFromTo(2, 3);
    ASSERT_TRUE(printReport(document, printer));
    QProcess info;
    info.start("pdfinfo", {dir.filePath("printed.pdf")});
    info.waitForFinished(60000);
    const QString out = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_TRUE(out.contains(QRegularExpression("Pages:\\s+2\\n"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QRegularExpression("Page size:\\s+792 x 612 pts"))) << out.toStdString();
}
