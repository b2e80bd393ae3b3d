#include "report/ReportDocument.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <functional>

using namespace valtrane::report;

namespace {

ReportDocument withTitle()
{
    ReportDocument d;
    TextObject t;
    t.name = "Title";
    t.text = "Density Report";
    t.left = 100;
    t.width = 3000;
    d.addText(t);
    return d;
}

} // namespace

TEST(ReportDocument, RowsPerColumnFollowTheReportFontSize)
{
    const int expected[][2] = {{9, 50}, {10, 45}, {11, 40}, {12, 35}};
    for (const auto &c : expected)
        EXPECT_EQ(ReportDocument::rowsPerColumn(c[0]), c[1]) << c[0] << " points";
}

TEST(ReportDocument, OperationsReachTheObjectByName)
{
    ReportDocument d = withTitle();
    d.setText("Title", "Stiffness Report");
    d.setSuppress("Title", true);
    d.setHorAlignment("Title", CentreAlign);
    d.setLeftIndent("Title", 1700);
    d.setRightIndent("Title", 1600);
    d.setLeft("Title", 500);
    d.setWidth("Title", 4000);
    d.setFontSize("Title", 11);
    const TextObject &t = *d.textObject("Title");
    EXPECT_EQ(d.text("Title"), "Stiffness Report");
    EXPECT_TRUE(d.suppressed("Title"));
    EXPECT_EQ(d.horAlignment("Title"), CentreAlign);
    EXPECT_EQ(t.leftIndent, 1700);
    EXPECT_EQ(t.rightIndent, 1600);
    EXPECT_EQ(d.left("Title"), 500);
    EXPECT_EQ(d.width("Title"), 4000);
    EXPECT_EQ(d.fontSize("Title"), 11);
}

TEST(ReportDocument, CallsOnAMissingObjectChangeNothing)
{
    const std::vector<std::pair<const char *, std::function<void(ReportDocument &)>>> calls = {
        {"setText", [](ReportDocument &d) { d.setText("Titel", "x"); }},
        {"setSuppress", [](ReportDocument &d) { d.setSuppress("Titel", true); }},
        {"setHorAlignment", [](ReportDocument &d) { d.setHorAlignment("Titel", RightAlign); }},
        {"setLeftIndent", [](ReportDocument &d) { d.setLeftIndent("Titel", 9); }},
        {"setLeft", [](ReportDocument &d) { d.setLeft("Titel", 9); }},
        {"setWidth", [](ReportDocument &d) { d.setWidth("Titel", 9); }},
        {"setFontSize", [](ReportDocument &d) { d.setFontSize("Titel", 12); }},
        {"deletePicture", [](ReportDocument &d) { d.deletePicture("Titel"); }},
    };
    for (const auto &[name, call] : calls) {
        ReportDocument d = withTitle();
        call(d);
        ASSERT_EQ(d.texts().size(), 1u) << name;
        const TextObject &t = d.texts().front();
        EXPECT_EQ(t.text, "Density Report") << name;
        EXPECT_FALSE(t.suppress) << name;
        EXPECT_EQ(t.horAlignment, DefaultAlign) << name;
        EXPECT_EQ(t.leftIndent, 0) << name;
        EXPECT_EQ(t.left, 100) << name;
        EXPECT_EQ(t.width, 3000) << name;
        EXPECT_EQ(t.fontSize, 9) << name;
    }
    const ReportDocument d = withTitle();
    EXPECT_EQ(d.text("Titel"), "");
    EXPECT_FALSE(d.suppressed("Titel"));
}

TEST(ReportDocument, AddingATextOfTheSameNameReplacesIt)
{
    ReportDocument d = withTitle();
    TextObject t;
    t.name = "Title";
    t.text = "Nuclear Gauge Report";
    d.addText(t);
    ASSERT_EQ(d.texts().size(), 1u);
    EXPECT_EQ(d.text("Title"), "Nuclear Gauge Report");
}

TEST(ReportDocument, OrientationSetsThePaperAndIgnoresOtherCodes)
{
    ReportDocument d;
    EXPECT_EQ(d.pageWidth(), 12240);
    d.setOrientation(Landscape);
    EXPECT_EQ(d.pageWidth(), 15840);
    EXPECT_EQ(d.pageHeight(), 12240);
    d.setOrientation(3);
    EXPECT_EQ(d.orientation(), Landscape);
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
    EXPECT_EQ(d.picture("Logo")->width, 1440);
    EXPECT_EQ(d.picture("Logo")->height, 720);
    d.setLeft("Logo", 13750);
    EXPECT_EQ(d.picture("Logo")->left, 13750);
    d.deletePicture("Logo");
    EXPECT_TRUE(d.pictures().empty());
}
