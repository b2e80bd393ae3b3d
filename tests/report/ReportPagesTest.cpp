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
