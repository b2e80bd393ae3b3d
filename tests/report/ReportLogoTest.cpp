#include "common/AppState.h"
#include "report/ReportLayouts.h"
#include "report/ReportLogo.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace valtrane::report {
namespace {

TEST(ReportLogo, PlacedMovedRestoredAndDeletedWithTheCompanyIndentedBesideItForEveryModel)
{
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("logo.bmp"));
    ASSERT_TRUE(QImage(3000, 1500, QImage::Format_RGB32).save(picture));
    struct ModelEdge { int model; int right; };
    for (const ModelEdge &c : {ModelEdge{LD4800, 10250}, ModelEdge{NG7700A, 13750}, ModelEdge{NG7700B, 13750}, ModelEdge{SG2150, 13750}}) {
        SCOPED_TRACE(c.model);
        ReportSet reports{ReportLayouts::buildReport(c.model), ReportLayouts::buildStiffyReport(), {}, c.model};
        reports.Report.setHorAlignment(ReportLogo::companyName(), LeftAlign);
        reports.Report.setHorAlignment(ReportLogo::companyInfo(), RightAlign);
        ReportLogo logo(reports);
        const auto indents = [&] {  // of the company name, then of the company information
            const TextObject *name = reports.Report.textObject(ReportLogo::companyName()), *info = reports.Report.textObject(ReportLogo::companyInfo());
            return std::vector({name->leftIndent, name->rightIndent, info->leftIndent, info->rightIndent});
        };
        EXPECT_FALSE(logo.place(dir.filePath(QStringLiteral("missing.bmp")), c.model));
        ASSERT_TRUE(logo.place(picture, c.model));
        const PictureObject *placed = reports.Report.picture(ReportLogo::pictureName());
        EXPECT_EQ(QPoint(placed->left, placed->top), QPoint(500, 400));
        EXPECT_LE(std::max(placed->width, placed->height), ReportLogo::MaxSide);
        EXPECT_EQ(reports.StiffyReport.picture(ReportLogo::pictureName()) != nullptr, c.model == SG2150);
        EXPECT_EQ(indents(), std::vector({ReportLogo::Indent, 0, 0, 0}));

        logo.moveRight(c.model);
        reports.Report.deletePicture(ReportLogo::pictureName());  // the report is built again
        logo.restore(c.model);
        EXPECT_EQ(reports.Report.picture(ReportLogo::pictureName())->left, c.right);
        EXPECT_EQ(indents(), std::vector({0, 0, 0, ReportLogo::Indent}));

        logo.remove();
        EXPECT_EQ(reports.Report.picture(ReportLogo::pictureName()), nullptr);
        EXPECT_EQ(reports.StiffyReport.picture(ReportLogo::pictureName()), nullptr);
        EXPECT_EQ(std::pair(indents()[2], indents()[3]), std::pair(0, 0));
    }
}

} // namespace
} // namespace valtrane::report
