#include "report/ReportDocument.h"
#include "report/ReportPages.h"
#include "support/ReportSamples.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <functional>

using namespace valtrane;
using namespace valtrane::report;

TEST(ReportDocument, RowsPerColumnFollowTheReportFontSize)
{
    const int expected[][2] = {{9, 50}, {10, 45}, {11, 40}, {12, 35}};
    for (const auto &c : expected)
        EXPECT_EQ(ReportDocument::rowsPerColumn(c[0]), c[1]) << c[0] << " points";
}

TEST(ReportDocument, CallsOnAMissingObjectChangeNothingAndReadAsEmpty)
{
    const std::function<void(ReportDocument &)> calls[] = {
        [](ReportDocument &d) { d.setText("Titel", "x"); },         [](ReportDocument &d) { d.setSuppress("Titel", true); },
        [](ReportDocument &d) { d.setHorAlignment("Titel", 3); },   [](ReportDocument &d) { d.setLeftIndent("Titel", 9); },
        [](ReportDocument &d) { d.setRightIndent("Titel", 9); },    [](ReportDocument &d) { d.setLeft("Titel", 9); },
        [](ReportDocument &d) { d.setWidth("Titel", 9); },          [](ReportDocument &d) { d.setFontSize("Titel", 12); },
        [](ReportDocument &d) { d.deletePicture("Titel"); },
    };
    TextObject title;
    title.name = "Title";
    title.text = "Density Report";
    for (size_t i = 0; i < std::size(calls); ++i) {
        ReportDocument d;
        d.addText(title);
        calls[i](d);
        ASSERT_EQ(d.texts().size(), 1u) << "call " << i;
        EXPECT_TRUE(d.texts().front() == title) << "call " << i;
        EXPECT_EQ(d.text("Titel"), "");
        EXPECT_FALSE(d.suppressed("Titel"));
    }
}

TEST(ReportDocument, OrientationSetsThePaperAndIgnoresOtherCodes)
{
    ReportDocument d;
    EXPECT_EQ(d.pageWidth(), 12240);
    d.setOrientation(Landscape);
    d.setOrientation(3);
    EXPECT_EQ(d.pageWidth(), 15840);
    EXPECT_EQ(d.pageHeight(), 12240);
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
