#include "report/ReportExport.h"
#include "report/ReportImages.h"
#include "report/ReportRtf.h"
#include "support/PdfText.h"
#include "support/ReportPdfInfo.h"
#include "support/ReportSamples.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace valtrane;
using namespace valtrane::report;

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The text of each page of an RTF file: font table and pictures dropped, \uN? and escapes decoded,
// paragraphs as line feeds; *depth counts the groups left open.
QStringList rtfPages(const QByteArray &rtf, int *depth)
{
    QString text = QString::fromLatin1(rtf).remove('\n');
    *depth = int(text.count(QRegularExpression("(?<!\\\\)\\{")) - text.count(QRegularExpression("(?<!\\\\)\\}")));
    text.remove(QRegularExpression("\\{\\\\(fonttbl|pict)[^}]*\\}\\}?"));
    text.replace(QRegularExpression("\\\\par(?![a-z])"), "\n").replace("\\\\", QString(QChar(1)));
    static const QRegularExpression unicode("\\\\u(-?\\d+)\\?");
    for (auto m = unicode.match(text); m.hasMatch(); m = unicode.match(text))
        text.replace(m.capturedStart(), m.capturedLength(), QChar(char16_t(qint16(m.captured(1).toInt()))));
    text.replace("\\page", "\f");
    text.remove(QRegularExpression("\\\\[a-z]+-?\\d* ?")).remove(QRegularExpression("(?<!\\\\)[{}]"));
    return text.replace("\\{", "{").replace("\\}", "}").replace(QChar(1), "\\").split('\f');
}

QString exportPdf(const QTemporaryDir &dir, const ReportDocument &document, bool all, int first = 1, int last = 1)
{
    const ReportExportOptions options{.diskFileName = dir.filePath("report.pdf"), .allPages = all, .firstPage = first, .lastPage = last};
    return ReportExport([](const QUrl &) { return true; }).exportReport(document, options) ? options.diskFileName : QString();
}

} // namespace

TEST(ReportExport, EachPageReadsBackWithItsHeadersValuesAndPageNumberInOrder)
{
    int depth = -1;
    const QStringList rtf = rtfPages(reportRtf(test::sampleLabReport(120, 3), PageSpan{1, 3}), &depth);
    EXPECT_EQ(depth, 0);
    ASSERT_EQ(rtf.size(), 3);
    QTemporaryDir dir;
    const QString pdf = exportPdf(dir, test::sampleLabReport(120, 3), true);
    EXPECT_EQ(test::pdfPagesAndSize(pdf), "3 792 x 612");
    for (int page = 1; page <= 3; ++page) {
        const int firstRow = (page - 1) * 50 + 1, lastRow = std::min(120, page * 50);
        const QString &text = rtf[page - 1], printed = test::pdfText(pdf, page);
        for (const QString &either : {text, printed})
            EXPECT_EQ(std::pair(either.contains("Acme Soil Testing Laboratory"), either.contains(QString("Page %1 of 3").arg(page))), std::pair(page == 1, true));
        EXPECT_EQ(std::tuple(text.contains("Col 2\n"), text.contains(QString("\n2.%1\n").arg(firstRow)) && text.contains(QString("\n2.%1\n").arg(lastRow)),
                             text.contains(QString("\n2.%1\n").arg(lastRow + 1))), std::tuple(true, true, false));
        EXPECT_EQ(std::tuple(printed.contains("Remarks: compaction"), printed.contains(QRegularExpression("RD#\\s+Col 1\\s+Col 2")),
                             printed.contains(QRegularExpression(QString("%1\\s+1.%1\\s+2.%1\\n").arg(firstRow))),
                             printed.indexOf(QString("1.%1").arg(firstRow)) < printed.indexOf(QString("1.%1").arg(lastRow)), printed.contains(QString("1.%1 ").arg(lastRow + 1))),
                  std::tuple(page == 3, true, true, true, false));
    }
}

TEST(ReportExport, APdfRangeHoldsOnlyThosePagesInPortraitWhenAsked)
{
    QTemporaryDir rangeDir;
    ReportDocument portrait = test::sampleLabReport(160, 2);
    portrait.setOrientation(Portrait);
    portrait.setLeft("Field1", 6000);
    const QString ranged = exportPdf(rangeDir, portrait, false, 2, 3);
    EXPECT_EQ(std::tuple(test::pdfPagesAndSize(ranged), test::pdfText(ranged, 1).contains("Page 2 of 4"), test::pdfText(ranged, 2).contains("1.150")), std::tuple(QString("2 612 x 792"), true, true));
}

TEST(ReportExport, AnImageRangeWritesOnlyThosePages)
{
    QTemporaryDir rangeDir;
    ReportDocument portrait = test::sampleLabReport(160, 2);
    portrait.setOrientation(Portrait);
    portrait.setLeft("Field1", 6000);
    ASSERT_TRUE(writeReportPages(portrait, rangeDir.path(), PageSpan{2, 3}, 36));
    EXPECT_EQ(QDir(rangeDir.path()).entryList({"*.png"}, QDir::Files), QStringList({"page-002.png", "page-003.png"}));
}

TEST(ReportExport, RtfEscapesSpecialCharactersThatSurviveReadingBack)
{
    ReportDocument document = test::sampleLabReport(3, 1);
    const QString name = QStringLiteral("Tested by Jos\u00e9 M\u00fcller and \uae40 at 25\u00b0C {cured} C:\\lab");
    document.setText("Company", name);
    const QByteArray escaped = reportRtf(document, PageSpan{1, 1});
    EXPECT_TRUE(escaped.contains("Jos\\u233?") && escaped.contains("and \\u-20928? at") && escaped.contains("25\\u176?C \\{cured\\} C:\\\\lab")) << escaped.data();
    for (char c : escaped)
        ASSERT_TRUE(c == '\n' || (c >= 0x20 && c < 0x7f)) << "byte " << int(c);
    int depth = -1;
    EXPECT_TRUE(rtfPages(escaped, &depth).first().contains(name));
    EXPECT_EQ(depth, 0);
}

TEST(ReportExport, AnRtfRangeWritesOnlyThosePagesWithoutHiddenTexts)
{
    ReportDocument portrait = test::sampleLabReport(160, 2);
    portrait.setOrientation(Portrait);
    portrait.setLeft("Field1", 6000);
    portrait.setSuppress("Data1", true);
    int depth = -1;
    const QStringList pages = rtfPages(reportRtf(portrait, PageSpan{2, 3}), &depth);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(std::tuple(pages[0].contains("Page 2 of 4"), pages[1].contains("\n150\n"), pages[1].contains("1.150")), std::tuple(true, true, false));
}

TEST(ReportExport, AFailedExportLeavesTheOldFileUntouched)
{
    QTemporaryDir oldDir;
    const QString path = oldDir.filePath("report.pdf");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("last week's report") > 0);
    }
    struct Case { int format; bool all; int first; int last; const char *name; };
    for (const Case &c : {Case{PdfFormat, false, 7, 9, "range after the last page"}, Case{ExactRichTextFormat, false, 5, 5, "rich text range after the last page"},
                          Case{32, true, 1, 1, "unknown format"}}) {
        const ReportExportOptions options{.diskFileName = path, .formatType = c.format, .allPages = c.all, .firstPage = c.first, .lastPage = c.last};
        EXPECT_FALSE(ReportExport().exportReport(test::sampleLabReport(60, 1), options)) << c.name;
        EXPECT_EQ(readAll(path), "last week's report") << c.name;
    }
    EXPECT_EQ(QDir(oldDir.path()).entryList(QDir::Files), QStringList{"report.pdf"});
}

TEST(ReportExport, AnApplicationExportOpensATemporaryFileOfTheFormat)
{
    QList<QUrl> opened;
    ReportExport exporter([&](const QUrl &url) { return opened << url, true; });
    ASSERT_TRUE(exporter.exportReport(test::sampleLabReport(5, 2), {.destinationType = ApplicationDestination, .diskFileName = {}, .formatType = ExactRichTextFormat}));
    ASSERT_EQ(opened.size(), 1);
    const QString file = opened.front().toLocalFile();
    EXPECT_EQ(std::tuple(file, file.endsWith(".rtf"), readAll(file).startsWith("{\\rtf1")), std::tuple(exporter.writtenFile(), true, true));
    QFile::remove(file);
}

