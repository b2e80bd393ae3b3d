#include "report/ReportRtf.h"
#include "report/ReportDocument.h"
#include "support/ReportSamples.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace valtrane;
using namespace valtrane::report;

namespace {

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

} // namespace

TEST(ReportRtf, EachPageOfTheReportIsAPageOfTheFileWithItsOwnTexts)
{
    const ReportDocument document = test::sampleLabReport(120, 3);
    int depth = -1;
    const QStringList pages = rtfPages(reportRtf(document, PageSpan{1, 3}), &depth);
    EXPECT_EQ(depth, 0);
    ASSERT_EQ(pages.size(), 3);
    for (int page = 1; page <= 3; ++page) {
        const QString &text = pages[page - 1];
        const int firstRow = (page - 1) * 50 + 1;
        const int lastRow = std::min(120, page * 50);
        EXPECT_EQ(text.contains("Acme Soil Testing Laboratory"), page == 1) << "page " << page;
        EXPECT_TRUE(text.contains("Col 2\n")) << "page " << page;
        EXPECT_TRUE(text.contains(QString("\n2.%1\n").arg(firstRow))) << "page " << page;
        EXPECT_TRUE(text.contains(QString("\n2.%1\n").arg(lastRow))) << "page " << page;
        EXPECT_FALSE(text.contains(QString("\n2.%1\n").arg(lastRow + 1))) << "page " << page;
        EXPECT_TRUE(text.contains(QString("Page %1 of 3").arg(page))) << "page " << page;
    }
}

TEST(ReportRtf, SpecialCharactersAreEscapedAndSurviveReadingBack)
{
    ReportDocument document = test::sampleLabReport(3, 1);
    const QString name = QStringLiteral("Tested by Jos\u00e9 M\u00fcller and \uae40 at 25\u00b0C {cured} C:\\lab");
    document.setText("Company", name);
    const QByteArray rtf = reportRtf(document, PageSpan{1, 1});
    EXPECT_TRUE(rtf.contains("Jos\\u233?"));
    EXPECT_TRUE(rtf.contains("and \\u-20928? at"));
    EXPECT_TRUE(rtf.contains("25\\u176?C \\{cured\\} C:\\\\lab"));
    for (char c : rtf)
        ASSERT_TRUE(c == '\n' || (c >= 0x20 && c < 0x7f)) << "byte " << int(c);
    int depth = -1;
    EXPECT_TRUE(rtfPages(rtf, &depth).first().contains(name));
    EXPECT_EQ(depth, 0);
}

TEST(ReportRtf, APageRangeWritesOnlyThosePagesAndHiddenTextsStayOut)
{
    ReportDocument document = test::sampleLabReport(160, 2);
    document.setSuppress("Data1", true);
    int depth = -1;
    const QStringList pages = rtfPages(reportRtf(document, PageSpan{2, 3}), &depth);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains("Page 2 of 4"));
    EXPECT_TRUE(pages[1].contains("\n150\n"));
    EXPECT_FALSE(pages[1].contains("1.150"));
}
