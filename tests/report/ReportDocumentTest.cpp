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
    EXPECT_EQ(std::vector({ReportDocument::rowsPerColumn(9), ReportDocument::rowsPerColumn(10), ReportDocument::rowsPerColumn(11), ReportDocument::rowsPerColumn(12)}), std::vector({50, 45, 40, 35}));
}

TEST(ReportDocument, AMissingPictureFileAddsNoPicture)
{
    QTemporaryDir dir;
    ReportDocument p;
    EXPECT_FALSE(p.addPicture(Section::ReportHeader, "Logo", dir.filePath("missing.bmp"), 500, 400));
    EXPECT_TRUE(p.pictures().empty());
}

TEST(ReportDocument, APictureTakesItsSizeFromItsResolution)
{
    QTemporaryDir dir;
    QImage logo(200, 100, QImage::Format_RGB32);
    logo.setDotsPerMeterX(7874);  // 200 dots per inch
    logo.setDotsPerMeterY(7874);
    ASSERT_TRUE(logo.save(dir.filePath("logo.png")));
    ReportDocument p;
    ASSERT_TRUE(p.addPicture(Section::ReportHeader, "Logo", dir.filePath("logo.png"), 500, 400));
    EXPECT_EQ(QSize(p.picture("Logo")->width, p.picture("Logo")->height), QSize(1440, 720));
}

TEST(ReportDocument, CallsOnAMissingObjectChangeNothingAndReadAsEmpty)
{
    using M = ReportDocument &;
    const std::function<void(M)> calls[] = {
        [](M m) { m.setText("Titel", "x"); },     [](M m) { m.setSuppress("Titel", true); }, [](M m) { m.setHorAlignment("Titel", 3); },
        [](M m) { m.setLeftIndent("Titel", 9); }, [](M m) { m.setRightIndent("Titel", 9); }, [](M m) { m.setLeft("Titel", 9); },
        [](M m) { m.setWidth("Titel", 9); },      [](M m) { m.setFontSize("Titel", 12); },   [](M m) { m.deletePicture("Titel"); }};
    TextObject title;
    title.name = "Title";
    title.text = "Density Report";
    for (size_t i = 0; i < std::size(calls); ++i) {
        ReportDocument m;
        m.addText(title);
        calls[i](m);
        ASSERT_EQ(m.texts().size(), 1u) << "call " << i;
        EXPECT_TRUE(m.texts().front() == title) << "call " << i;
        EXPECT_EQ(std::pair(m.text("Titel"), m.suppressed("Titel")), std::pair(QString(), false)) << "call " << i;
    }
}

TEST(ReportPages, ValueLinesEndAtCarriageReturnsOrLineFeeds)
{
    struct Case { const char *text; int lines; };
    for (const Case &c : {Case{"", 0}, Case{" ", 1}, Case{"1\r2\r", 2}, Case{"1\r2", 2}, Case{"1\r\n2\r\n", 2}, Case{"1\n2\n3", 3}, Case{"\r\r", 2}})
        EXPECT_EQ(ReportPages::valueLineCount(QString::fromLatin1(c.text)), c.lines) << QByteArray(c.text).toPercentEncoding().data();
}

TEST(ReportPages, APageRangeCountsOnlyWhenBothEndsArePositiveAndInOrder)
{
    struct Span { bool all; int first; int last; int from; int to; };
    for (const Span &c : {Span{true, 2, 3, 1, 9}, Span{false, 2, 3, 2, 3}, Span{false, 0, 3, 1, 9}, Span{false, 2, -1, 1, 9}, Span{false, 4, 3, 1, 9}, Span{false, 8, 20, 8, 9}}) {
        const PageSpan span = PageSpan::chosen(9, c.all, c.first, c.last);
        EXPECT_EQ(std::pair(span.first, span.last), std::pair(c.from, c.to)) << c.all << " " << c.first << "-" << c.last;
    }
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

TEST(ReportPages, AReportFooterThatDoesNotFitGetsAPageOfItsOwn)
{
    ReportDocument full = test::sampleLabReport(50, 1);
    full.setSectionHeight(Section::ReportFooter, 4000);
    const ReportPages footer(full);
    ASSERT_EQ(footer.pageCount(), 2);
    EXPECT_EQ(std::pair(footer.bands(2).lineCount, footer.bands(2).reportFooterTop), std::pair(0, footer.bands(2).detailsTop));
}

