#include "report/ui/ReportPrinter.h"
#include "report/ui/ReportViewer.h"
#include "support/ReportPdfInfo.h"
#include "support/ReportSamples.h"

#include <QPrinter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace valtrane;
using namespace valtrane::report;

namespace {

struct ReportViewerTest : ::testing::Test {
    ReportViewerTest()
    {
        viewer.resize(900, 700);
        viewer.setDocument(&document);
        viewer.show();
    }
    ReportDocument document = test::sampleLabReport(120, 3);
    ReportViewer viewer;
    ReportPageView *view = viewer.pageView();
};

} // namespace

TEST_F(ReportViewerTest, ALeftClickReportsThePlaceInTwipsAndTheObjectThere)
{
    QSignalSpy clicks(&viewer, &ReportViewer::clicked);
    struct Case { int page; QPoint twips; const char *object; };
    const int detailsTop2 = ReportRenderer(document).pages().bands(2).detailsTop;
    for (const Case &c : {Case{1, QPoint(8000, 560), "Company"}, Case{2, QPoint(1800, detailsTop2 + 400), "Data1"}}) {
        view->showPage(c.page);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->viewportPoint(c.page, c.twips));
        ASSERT_EQ(clicks.size(), 1) << c.object;
        const QList<QVariant> args = clicks.takeFirst();
        EXPECT_EQ(std::pair(args[0].toInt(), args[2].toString()), std::pair(c.page, QString(c.object)));
        EXPECT_LE((args[1].toPoint() - c.twips).manhattanLength(), 2 * (int(1 / view->pixelsPerTwip()) + 1)) << c.object;
    }
}

TEST_F(ReportViewerTest, ZoomFitsTheWidthOrTheWholePage)
{
    const int width = view->viewport()->width(), height = view->viewport()->height();
    view->setZoom(ReportPageView::Zoom::FitWidth);
    EXPECT_NEAR(document.pageWidth() * view->pixelsPerTwip(), width, 30);
    view->setZoom(ReportPageView::Zoom::FitPage);
    EXPECT_LE(document.pageWidth() * view->pixelsPerTwip(), width);
    EXPECT_NEAR(document.pageHeight() * view->pixelsPerTwip(), height, 30);
    view->showPage(3);
    EXPECT_EQ(view->currentPage(), 3);
}

TEST(ReportPrinter, PrintsTheChosenPagesInTheReportsOrientation)
{
    QTemporaryDir dir;
    const ReportDocument printed = test::sampleLabReport(160, 2);
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("printed.pdf"));
    printer.setFromTo(2, 3);
    ASSERT_TRUE(printReport(printed, printer));
    EXPECT_EQ(test::pdfPagesAndSize(dir.filePath("printed.pdf")), "2 792 x 612");
}

