#include "report/ReportPages.h"
#include "report/ReportDocument.h"
#include "support/ReportSamples.h"

#include <gtest/gtest.h>

using namespace valtrane;
using namespace valtrane::report;

TEST(ReportPages, ValueLinesEndAtCarriageReturnsOrLineFeeds)
{
    struct Case { const char *text; int lines; };
    for (const Case &c : {Case{"", 0}, Case{" ", 1}, Case{"1\r2\r", 2}, Case{"1\r2", 2}, Case{"1\r\n2\r\n", 2},
                          Case{"1\n2\n3", 3}, Case{"\r\r", 2}}) {
        EXPECT_EQ(ReportPages::valueLineCount(QString::fromLatin1(c.text)), c.lines) << QByteArray(c.text).toPercentEncoding().data();
    }
}

TEST(ReportPages, TheDetailsGrowOverAsManyPagesAsTheLongestVisibleColumnNeeds)
{
    ReportDocument d = test::sampleLabReport(101, 2);
    d.setText("Data1", "1\r2\r");
    ASSERT_EQ(d.pageCount(), 3);
    const ReportPages pages(d);
    ASSERT_EQ(pages.pageCount(), 3);
    EXPECT_EQ(pages.bands(3).firstLine, 100);
    EXPECT_EQ(pages.bands(3).lineCount, 1);
    EXPECT_EQ(pages.line(3, 100), QStringLiteral("101"));
    EXPECT_EQ(pages.line(5, 1), QStringLiteral("2"));
    EXPECT_TRUE(pages.line(5, 2).isEmpty());
    d.setSuppress("Data0", true);
    EXPECT_EQ(d.pageCount(), 1);
}

TEST(ReportPages, TheReportHeaderOpensTheFirstPageAndThePageHeaderEveryPage)
{
    const ReportDocument d = test::sampleLabReport(60, 1);
    const ReportPages pages(d);
    const PageBands first = pages.bands(1);
    const PageBands second = pages.bands(2);
    EXPECT_EQ(first.reportHeaderTop, d.margin());
    EXPECT_EQ(first.pageHeaderTop, d.margin() + d.sectionHeight(Section::ReportHeader));
    EXPECT_EQ(second.reportHeaderTop, -1);
    EXPECT_EQ(second.pageHeaderTop, d.margin());
    EXPECT_EQ(second.detailsTop, d.margin() + d.sectionHeight(Section::PageHeader));
    EXPECT_EQ(first.reportFooterTop, -1);
    EXPECT_EQ(second.reportFooterTop, second.detailsTop + 10 * d.detailsLineHeight());
    EXPECT_EQ(second.pageFooterTop, d.pageHeight() - d.margin() - d.sectionHeight(Section::PageFooter));
}

TEST(ReportPages, AReportFooterThatDoesNotFitAfterTheLastLineGetsAPageOfItsOwn)
{
    ReportDocument d = test::sampleLabReport(50, 1);
    d.setSectionHeight(Section::ReportFooter, 4000);
    const ReportPages pages(d);
    ASSERT_EQ(pages.pageCount(), 2);
    EXPECT_EQ(pages.bands(2).lineCount, 0);
    EXPECT_EQ(pages.bands(2).reportFooterTop, pages.bands(2).detailsTop);
}

TEST(ReportPages, APageRangeCountsOnlyWhenBothEndsArePositiveAndInOrder)
{
    struct Case { bool all; int first; int last; int from; int to; };
    for (const Case &c : {Case{true, 2, 3, 1, 9}, Case{false, 2, 3, 2, 3}, Case{false, 0, 3, 1, 9},
                          Case{false, 2, -1, 1, 9}, Case{false, 4, 3, 1, 9}, Case{false, 8, 20, 8, 9}}) {
        const PageSpan span = PageSpan::chosen(9, c.all, c.first, c.last);
        EXPECT_EQ(span.first, c.from) << c.all << " " << c.first << "-" << c.last;
        EXPECT_EQ(span.last, c.to) << c.all << " " << c.first << "-" << c.last;
    }
}
