#include "report/ReportExport.h"
#include "support/ReportSamples.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace valtrane;
using namespace valtrane::report;

namespace {

QString run(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.start(program, arguments);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString pageText(const QString &pdf, int page)
{
    const QString n = QString::number(page);
    return run("pdftotext", {"-layout", "-f", n, "-l", n, pdf, "-"});
}

QString exportPdf(const QTemporaryDir &dir, const ReportDocument &document, bool all, int first, int last)
{
    ReportExportOptions options;
    options.diskFileName = dir.filePath("report.pdf");
    options.allPages = all;
    options.firstPage = first;
    options.lastPage = last;
    ReportExport exporter([](const QUrl &) { return true; });
    return exporter.exportReport(document, options) ? options.diskFileName : QString();
}

} // namespace

TEST(ReportPdf, EachPageReadsBackWithItsHeadersValuesAndPageNumberInOrder)
{
    QTemporaryDir dir;
    const QString pdf = exportPdf(dir, test::sampleLabReport(120, 3), true, 1, 1);
    ASSERT_FALSE(pdf.isEmpty());
    const QString info = run("pdfinfo", {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+3\\n"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression("Page size:\\s+792 x 612 pts"))) << info.toStdString();
    for (int page = 1; page <= 3; ++page) {
        const QString text = pageText(pdf, page);
        const int firstRow = (page - 1) * 50 + 1;
        const int lastRow = std::min(120, page * 50);
        EXPECT_EQ(text.contains("Acme Soil Testing Laboratory"), page == 1) << "page " << page;
        EXPECT_EQ(text.contains("Remarks: compaction"), page == 3) << "page " << page;
        EXPECT_TRUE(text.contains(QRegularExpression(QString("RD#\\s+Col 1\\s+Col 2")))) << "page " << page;
        const QString firstLine = QString("%1\\s+1.%1\\s+2.%1\\n").arg(firstRow);
        EXPECT_TRUE(text.contains(QRegularExpression(firstLine))) << "page " << page << text.toStdString();
        EXPECT_LT(text.indexOf(QString("1.%1").arg(firstRow)), text.indexOf(QString("1.%1").arg(lastRow)));
        EXPECT_FALSE(text.contains(QString("1.%1 ").arg(lastRow + 1))) << "page " << page;
        EXPECT_TRUE(text.contains(QString("Page %1 of 3").arg(page))) << "page " << page;
    }
}

TEST(ReportPdf, APageRangeExportsOnlyThosePagesInPortraitWhenAsked)
{
    QTemporaryDir dir;
    ReportDocument document = test::sampleLabReport(160, 2);
    document.setOrientation(Portrait);
    document.setLeft("Field1", 6000);
    const QString pdf = exportPdf(dir, document, false, 2, 3);
    ASSERT_FALSE(pdf.isEmpty());
    const QString info = run("pdfinfo", {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+2\\n"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression("Page size:\\s+612 x 792 pts"))) << info.toStdString();
    EXPECT_TRUE(pageText(pdf, 1).contains("Page 2 of 4"));
    EXPECT_TRUE(pageText(pdf, 2).contains("1.150"));
}
