#include "common/AppState.h"
#include "report/ReportLayouts.h"
#include "report/ReportLogo.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace valtrane::report {
namespace {

struct ModelEdge { const char *name; int model; int right; };
const ModelEdge Edges[] = {{"LD4800", LD4800, 10250}, {"NG7700A", NG7700A, 13750}, {"SG2150", SG2150, 13750}};

class ModelLogo : public ::testing::TestWithParam<ModelEdge> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QImage(3000, 1500, QImage::Format_RGB32).save(picture));
        reports.Report.setHorAlignment(ReportLogo::companyName(), LeftAlign);
        reports.Report.setHorAlignment(ReportLogo::companyInfo(), RightAlign);
    }
    std::vector<int> indents()  // of the company name, then of the company information
    {
        const TextObject *name = reports.Report.textObject(ReportLogo::companyName()), *info = reports.Report.textObject(ReportLogo::companyInfo());
        return std::vector({name->leftIndent, name->rightIndent, info->leftIndent, info->rightIndent});
    }
    const int model = GetParam().model;
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("logo.bmp"));
    ReportSet reports{ReportLayouts::buildReport(model), ReportLayouts::buildStiffyReport(), {}, model};
    ReportLogo logo{reports};
};

TEST_P(ModelLogo, APlacedLogoSitsTopLeftWithTheCompanyNameIndentedBesideIt)
{
    ASSERT_TRUE(logo.place(picture, model));
    const PictureObject *placed = reports.Report.picture(ReportLogo::pictureName());
    EXPECT_EQ(QPoint(placed->left, placed->top), QPoint(500, 400));
    EXPECT_LE(std::max(placed->width, placed->height), ReportLogo::MaxSide);
    EXPECT_EQ(reports.StiffyReport.picture(ReportLogo::pictureName()) != nullptr, model == SG2150);
    EXPECT_EQ(indents(), std::vector({ReportLogo::Indent, 0, 0, 0}));
}

TEST_P(ModelLogo, ARestoredLogoStaysRightWithTheCompanyInformationIndented)
{
    ASSERT_TRUE(logo.place(picture, model));
    logo.moveRight(model);
    reports.Report.deletePicture(ReportLogo::pictureName());  // the report is built again
    logo.restore(model);
    EXPECT_EQ(reports.Report.picture(ReportLogo::pictureName())->left, GetParam().right);
    EXPECT_EQ(indents(), std::vector({0, 0, 0, ReportLogo::Indent}));
}

TEST_P(ModelLogo, ADeletedLogoLeavesNoPictureAndNoIndent)
{
    ASSERT_TRUE(logo.place(picture, model));
    logo.moveRight(model);
    logo.remove();
    EXPECT_EQ(reports.Report.picture(ReportLogo::pictureName()), nullptr);
    EXPECT_EQ(reports.StiffyReport.picture(ReportLogo::pictureName()), nullptr);
    EXPECT_EQ(std::pair(indents()[2], indents()[3]), std::pair(0, 0));
}

INSTANTIATE_TEST_SUITE_P(Models, ModelLogo, ::testing::ValuesIn(Edges), [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace valtrane::report
