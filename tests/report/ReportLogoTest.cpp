#include "common/AppState.h"
#include "report/ReportLogo.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace valtrane::report {
namespace {

struct LogoFixture {
    QTemporaryDir dir;
    QString picture = dir.filePath(QStringLiteral("logo.bmp"));
    ReportSet reports;
    ReportLogo logo{reports};

    LogoFixture()
    {
        QImage(3000, 1500, QImage::Format_RGB32).save(picture);
        for (ReportDocument *report : {&reports.Report, &reports.StiffyReport}) {
            report->setOrientation(Landscape);
            for (auto [name, alignment] : {std::pair{"Company", LeftAlign}, std::pair{"Companyinfo", RightAlign}}) {
                TextObject object;
                object.name = QString::fromLatin1(name);
                object.horAlignment = alignment;
                report->addText(object);
            }
        }
    }
    const PictureObject *in(const ReportDocument &report) const
    {
        return const_cast<ReportDocument &>(report).picture(ReportLogo::pictureName());
    }
    std::pair<int, int> indents(const char *name) const
    {
        const TextObject *object = reports.Report.textObject(QString::fromLatin1(name));
        return {object->leftIndent, object->rightIndent};
    }
};

struct ModelEdge {
    int model;
    int right;
    bool stiffy;
};

class LogoPerModel : public ::testing::TestWithParam<ModelEdge> {};

TEST_P(LogoPerModel, InsertLeftRightDeleteMoveTheLogoAndIndentTheCompanyBesideIt)
{
    const ModelEdge &c = GetParam();
    LogoFixture f;
    ASSERT_TRUE(f.logo.place(f.picture, c.model));
    const PictureObject *logo = f.in(f.reports.Report);
    ASSERT_NE(logo, nullptr);
    EXPECT_EQ(QPoint(logo->left, logo->top), QPoint(500, 400));
    EXPECT_LE(std::max(logo->width, logo->height), ReportLogo::MaxSide);
    EXPECT_EQ(f.in(f.reports.StiffyReport) != nullptr, c.stiffy);
    EXPECT_EQ(f.indents("Company"), std::pair(ReportLogo::Indent, 0));
    EXPECT_EQ(f.indents("Companyinfo"), std::pair(0, 0));

    f.logo.moveRight(c.model);
    EXPECT_EQ(f.in(f.reports.Report)->left, c.right);
    EXPECT_EQ(f.indents("Company"), std::pair(0, 0));
    EXPECT_EQ(f.indents("Companyinfo"), std::pair(0, ReportLogo::Indent));

    f.logo.moveLeft(c.model);
    EXPECT_EQ(f.in(f.reports.Report)->left, 500);
    EXPECT_EQ(f.indents("Company"), std::pair(ReportLogo::Indent, 0));

    f.logo.remove();
    EXPECT_FALSE(f.logo.hasLogo());
    EXPECT_EQ(f.in(f.reports.Report), nullptr);
    EXPECT_EQ(f.in(f.reports.StiffyReport), nullptr);
    EXPECT_EQ(f.indents("Company"), std::pair(0, 0));
}

INSTANTIATE_TEST_SUITE_P(Models, LogoPerModel,
                         ::testing::Values(ModelEdge{LD4800, 10250, false}, ModelEdge{NG7700A, 13750, false},
                                           ModelEdge{NG7700B, 13750, false}, ModelEdge{SG2150, 13750, true}));

TEST(ReportLogo, AFileThatIsNoPictureLeavesTheReportWithoutALogo)
{
    LogoFixture f;
    EXPECT_FALSE(f.logo.place(f.dir.filePath(QStringLiteral("missing.bmp")), NG7700A));
    EXPECT_FALSE(f.logo.hasLogo());
    EXPECT_EQ(f.indents("Company"), std::pair(0, 0));
}

TEST(ReportLogo, ARebuiltReportGetsTheLogoBackOnItsSide)
{
    LogoFixture f;
    ASSERT_TRUE(f.logo.place(f.picture, NG7700B));
    f.logo.moveRight(NG7700B);
    f.reports.Report.deletePicture(ReportLogo::pictureName());
    f.logo.restore(NG7700B);
    ASSERT_NE(f.in(f.reports.Report), nullptr);
    EXPECT_EQ(f.in(f.reports.Report)->left, 13750);
    EXPECT_TRUE(f.logo.atRight());
}

} // namespace
} // namespace valtrane::report
