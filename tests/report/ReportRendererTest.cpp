#include "report/ReportImages.h"
#include "report/ReportRenderer.h"
#include "support/ReportSamples.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace valtrane;
using namespace valtrane::report;

namespace {

// Pages are drawn at 144 dots per inch: ten twips a pixel.
int darkPixels(const QImage &image, const QRect &t = QRect(0, 0, 1 << 20, 1 << 20))
{
    const QRect r = QRect(t.left() / 10, t.top() / 10, t.width() / 10, t.height() / 10).intersected(image.rect());
    int dark = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            dark += qGray(image.pixel(x, y)) < 128;
    return dark;
}

QImage page(const ReportDocument &document) { return reportPageImage(ReportRenderer(document), 1, 144); }

const QRect ProbeBox(1440, 1440, 6000, 600);
ReportDocument oneText(const QString &content, int alignment = DefaultAlign)
{
    ReportDocument d;
    d.setSectionHeight(Section::ReportHeader, 4000);
    d.addText({.name = "Probe", .text = content, .fontSize = 12, .horAlignment = alignment, .left = 1440, .top = 1440 - d.margin(), .width = 6000, .height = 600});
    return d;
}

} // namespace

TEST(ReportRenderer, TextIsDrawnInsideItsBoxOnlyWhileShown)
{
    ReportDocument d = oneText("Wet Density 118.4");
    const QImage image = page(d);
    EXPECT_GT(darkPixels(image, ProbeBox), 100);
    EXPECT_EQ(darkPixels(image), darkPixels(image, ProbeBox));
    d.setSuppress("Probe", true);
    EXPECT_EQ(darkPixels(page(d)), 0);
}

TEST(ReportRenderer, IndentsKeepTheTextAwayFromTheirEdge)
{
    ReportDocument d = oneText("WWWWWWWWWWWWWWWWWWWWWWWWWWWW", LeftAlign);
    d.setLeftIndent("Probe", 1700);
    EXPECT_EQ(darkPixels(page(d), QRect(1440, 1440, 1650, 600)), 0);
    d.setHorAlignment("Probe", RightAlign);
    d.setLeftIndent("Probe", 0);
    d.setRightIndent("Probe", 1700);
    const QImage image = page(d);
    EXPECT_EQ(darkPixels(image, QRect(1440 + 6000 - 1650, 1440, 1650, 600)), 0);
    EXPECT_GT(darkPixels(image, QRect(1440 + 6000 - 2400, 1440, 700, 600)), 0);
}

TEST(ReportRenderer, BorderLinesAreDrawnOnTheirSideOnly)
{
    struct Side { int TextObject::*line; QRect strip; const char *name; };
    const Side sides[] = {{&TextObject::leftLine, QRect(1420, 1460, 40, 560), "left"}, {&TextObject::rightLine, QRect(7420, 1460, 40, 560), "right"},
                          {&TextObject::topLine, QRect(1460, 1420, 5960, 40), "top"}, {&TextObject::bottomLine, QRect(1460, 2020, 5960, 40), "bottom"}};
    for (const Side &drawn : sides) {
        ReportDocument d = oneText("");
        d.textObject("Probe")->*drawn.line = SingleLine;
        const QImage image = page(d);
        for (const Side &side : sides)
            EXPECT_EQ(darkPixels(image, side.strip) > 0, &side == &drawn) << drawn.name << " line, " << side.name << " edge";
    }
}

TEST(ReportRenderer, ClicksFindTheTopmostVisibleObject)
{
    ReportDocument d = oneText("Probe text");
    TextObject under = *d.textObject("Probe");
    under.name = "Under";
    d.addText(under);
    EXPECT_EQ(ReportRenderer(d).objectAt(1, QPoint(2000, 1600)), "Under");
    d.setSuppress("Under", true);
    const ReportRenderer renderer(d);
    EXPECT_EQ(QStringList({renderer.objectAt(1, QPoint(2000, 1600)), renderer.objectAt(1, QPoint(9000, 1600)), renderer.objectAt(2, QPoint(2000, 1600))}),
              QStringList({"Probe", "", ""}));
}

TEST(ReportRenderer, HorizontalAlignmentPutsTextAndValuesInTheirThirdOfTheBox)
{
    ReportDocument values = test::sampleLabReport(10, 2);
    values.setWidth("Data1", 3000);
    values.setRightIndent("Data1", 0);
    const QRect column(values.left("Data1"), ReportRenderer(values).pages().bands(1).detailsTop, 3000, 1900);
    struct Case { int alignment; int third; const char *name; };
    for (const Case &c : {Case{DefaultAlign, 0, "default"}, Case{CentreAlign, 1, "centre"}, Case{RightAlign, 2, "right"}}) {
        values.setHorAlignment("Data1", c.alignment);
        const QImage text = page(oneText("WWW", c.alignment));
        const QImage lines = page(values);
        for (int third = 0; third < 3; ++third) {
            const QRect textPart(ProbeBox.left() + 30 + third * 2000, ProbeBox.top(), 1940, ProbeBox.height());
            EXPECT_EQ(darkPixels(text, textPart) > 0, third == c.third) << c.name << " text, third " << third;
            const QRect linesPart(column.left() + 30 + third * 1000, column.top(), 940, column.height());
            EXPECT_EQ(darkPixels(lines, linesPart) > 0, third == c.third) << c.name << " values, third " << third;
        }
        EXPECT_EQ(darkPixels(lines, column.translated(3030, 0)), 0) << c.name << " values past the column";
    }
}

TEST(ReportRenderer, APictureIsDrawnWhereItWasPlaced)
{
    QTemporaryDir dir;
    QImage logo(96, 48, QImage::Format_RGB32);
    logo.fill(Qt::black);
    logo.setDotsPerMeterX(3780);  // 96 dots per inch: 1440 by 720 twips
    logo.setDotsPerMeterY(3780);
    ASSERT_TRUE(logo.save(dir.filePath("logo.png")));
    ReportDocument d;
    d.setSectionHeight(Section::ReportHeader, 2000);
    ASSERT_TRUE(d.addPicture(Section::ReportHeader, "Logo", dir.filePath("logo.png"), 500, 400));
    const QImage image = page(d);
    const QRect placed(500, 400 + d.margin(), 1440, 720);
    EXPECT_EQ(darkPixels(image, placed.adjusted(20, 20, -20, -20)), (placed.width() / 10 - 4) * (placed.height() / 10 - 4));
    EXPECT_EQ(darkPixels(image, placed.adjusted(-20, -20, 20, 20)), darkPixels(image));
}

TEST(ReportRenderer, ColumnBordersEndWithTheLastValueLineOfEachPage)
{
    const ReportDocument sample = test::sampleLabReport(120, 3);  // 50, 50 and 20 value lines
    const ReportRenderer pagesOf(sample);
    ASSERT_EQ(pagesOf.pageCount(), 3);
    for (int number = 1; number <= 3; ++number) {
        const QImage image = reportPageImage(pagesOf, number, 144);
        const QRect border(sample.textObject("Data1")->left - 20, pagesOf.pages().bands(number).detailsTop + (number < 3 ? 50 : 20) * sample.detailsLineHeight() + 20, 40, 80);
        EXPECT_EQ(darkPixels(image, border), 0) << "column border past the last line, page " << number;
        EXPECT_GT(darkPixels(image, border.translated(0, -4 * sample.detailsLineHeight())), 0) << "page " << number;
    }
}

TEST(ReportRenderer, AChangedDocumentIsMeasuredAgainBeforeItIsDrawn)
{
    ReportDocument changed = test::sampleLabReport(60, 2);
    const ReportRenderer measured(changed);
    ASSERT_EQ(measured.pageCount(), 2);
    changed.setText("Data1", test::sampleLabReport(160, 2).text("Data1"));
    EXPECT_EQ(measured.pageCount(), 4);
    EXPECT_EQ(measured.pages().line(5, 159), QStringLiteral("1.160"));
    changed.setSuppress("Data1", true);
    EXPECT_EQ(measured.pageCount(), 2);
}

