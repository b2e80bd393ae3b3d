#include "report/ReportDocument.h"
#include "report/ReportPages.h"
#include "support/ReportSamples.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <functional>

using namespace valtrane;
using namespace valtrane::report;

TEST(ReportDocument, RowsPerColumnFollowTheReportFontSizeAndOrientationSetsThePaperIgnoringOtherCodes)
{
    EXPECT_EQ(std::vector({ReportDocument::rowsPerColumn(9), ReportDocument::rowsPerColumn(10), ReportDocument::rowsPerColumn(11), ReportDocument::rowsPerColumn(12)}),
              std::vector({50, 45, 40, 35}));
    ReportDocument d;
    EXPECT_EQ(d.pageWidth(), 12240);
    d.setOrientation(Landscape);
    d.setOrientation(3);
    EXPECT_EQ(std::pair(d.pageWidth(), d.pageHeight()), std::pair(15840, 12240));
}

TEST(ReportDocument, CallsOnAMissingObjectChangeNothingAndReadAsEmpty)
{
    using D = ReportDocument &;
    const std::function<void(D)> calls[] = {
        [](D d) { d.setText("Titel", "x"); },     [](D d) { d.setSuppress("Titel", true); }, [](D d) { d.setHorAlignment("Titel", 3); },
        [](D d) { d.setLeftIndent("Titel", 9); }, [](D d) { d.setRightIndent("Titel", 9); }, [](D d) { d.setLeft("Titel", 9); },
        [](D d) { d.setWidth("Titel", 9); },      [](D d) { d.setFontSize("Titel", 12); },   [](D d) { d.deletePicture("Titel"); }};
    TextObject title;
    title.name = "Title";
    title.text = "Density Report";
    for (size_t i = 0; i < std::size(calls); ++i) {
        ReportDocument d;
        d.addText(title);
        calls[i](d);
        ASSERT_EQ(d.texts().size(), 1u) << "call " << i;
        EXPECT_TRUE(d.texts().front() == title) << "call " << i;
        EXPECT_EQ(std::pair(d.text("Titel"), d.suppressed("Titel")), std::pair(QString(), false)) << "call " << i;
    }
}

TEST(ReportDocument, APictureTakesItsSizeFromItsResolutionAndCanBeMovedAndDeleted)
{
    QTemporaryDir dir;
    QImage logo(200, 100, QImage::Format_RGB32);
    logo.setDotsPerMeterX(7874);  // 200 dots per inch
    logo.setDotsPerMeterY(7874);
    ASSERT_TRUE(logo.save(dir.filePath("logo.png")));
    ReportDocument d;
    EXPECT_FALSE(d.addPicture(Section::ReportHeader, "Logo", dir.filePath("missing.bmp"), 500, 400));
    EXPECT_TRUE(d.pictures().empty());
    ASSERT_TRUE(d.addPicture(Section::ReportHeader, "Logo", dir.filePath("logo.png"), 500, 400));
    EXPECT_EQ(QSize(d.picture("Logo")->width, d.picture("Logo")->height), QSize(1440, 720));
    d.setLeft("Logo", 13750);
    EXPECT_EQ(d.picture("Logo")->left, 13750);
    d.deletePicture("Logo");
    EXPECT_TRUE(d.pictures().empty());
}

TEST(ReportPages, ValueLinesEndAtCarriageReturnsOrLineFeeds)
{
    struct Case { const char *text; int lines; };
    for (const Case &c : {Case{"", 0}, Case{" ", 1}, Case{"1\r2\r", 2}, Case{"1\r2", 2}, Case{"1\r\n2\r\n", 2}, Case{"1\n2\n3", 3}, Case{"\r\r", 2}})
        EXPECT_EQ(ReportPages::valueLineCount(QString::fromLatin1(c.text)), c.lines) << QByteArray(c.text).toPercentEncoding().data();
}

TEST(ReportPages, TheDetailsGrowOverAsManyPagesAsTheLongestVisibleColumnNeeds)
{
    ReportDocument d = test::sampleLabReport(101, 2);
    d.setText("Data1", "1\r2\r");
    ASSERT_EQ(d.pageCount(), 3);
    const ReportPages pages(d);
    ASSERT_EQ(pages.pageCount(), 3);
    EXPECT_EQ(std::pair(pages.bands(3).firstLine, pages.bands(3).lineCount), std::pair(100, 1));
    EXPECT_EQ(QStringList({pages.line(3, 100).toString(), pages.line(5, 1).toString(), pages.line(5, 2).toString()}), QStringList({"101", "2", ""}));
    d.setSuppress("Data0", true);
    EXPECT_EQ(d.pageCount(), 1);
}

TEST(ReportPages, AReportFooterThatDoesNotFitAfterTheLastLineGetsAPageOfItsOwn)
{
    ReportDocument d = test::sampleLabReport(50, 1);
    d.setSectionHeight(Section::ReportFooter, 4000);
    const ReportPages pages(d);
    ASSERT_EQ(pages.pageCount(), 2);
    EXPECT_EQ(std::pair(pages.bands(2).lineCount, pages.bands(2).reportFooterTop), std::pair(0, pages.bands(2).detailsTop));
}

TEST(ReportPages, APageRangeCountsOnlyWhenBothEndsArePositiveAndInOrder)
{
    struct Case { bool all; int first; int last; int from; int to; };
    for (const Case &c : {Case{true, 2, 3, 1, 9}, Case{false, 2, 3, 2, 3}, Case{false, 0, 3, 1, 9},
                          Case{false, 2, -1, 1, 9}, Case{false, 4, 3, 1, 9}, Case{false, 8, 20, 8, 9}}) {
        const PageSpan span = PageSpan::chosen(9, c.all, c.first, c.last);
        EXPECT_EQ(std::pair(span.first, span.last), std::pair(c.from, c.to)) << c.all << " " << c.first << "-" << c.last;
    }
}
