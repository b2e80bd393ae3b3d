#include "report/ReportExport.h"
#include "support/ReportSamples.h"

#include <QFile>
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

} // namespace

TEST(ReportExport, AFailedExportLeavesTheFileThatWasThereUntouched)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("report.pdf");
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("last week's report") > 0);
    old.close();
    struct Case { int format; bool all; int first; int last; const char *name; };
    for (const Case &c : {Case{PdfFormat, false, 7, 9, "range after the last page"},
                          Case{ExactRichTextFormat, false, 5, 5, "rich text range after the last page"},
                          Case{32, true, 1, 1, "unknown format"}}) {
        ReportExportOptions options;
        options.diskFileName = path;
        options.formatType = c.format;
        options.allPages = c.all;
        options.firstPage = c.first;
        options.lastPage = c.last;
        EXPECT_FALSE(ReportExport().exportReport(test::sampleLabReport(60, 1), options)) << c.name;
        EXPECT_EQ(readAll(path), "last week's report") << c.name;
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"report.pdf"});
}

TEST(ReportExport, AnApplicationExportOpensATemporaryFileOfTheFormat)
{
    QList<QUrl> opened;
    ReportExport exporter([&](const QUrl &url) {
        opened << url;
        return true;
    });
    ReportExportOptions options;
    options.destinationType = ApplicationDestination;
    options.formatType = ExactRichTextFormat;
    ASSERT_TRUE(exporter.exportReport(test::sampleLabReport(5, 2), options));
    ASSERT_EQ(opened.size(), 1);
    const QString file = opened.front().toLocalFile();
    EXPECT_EQ(file, exporter.writtenFile());
    EXPECT_TRUE(file.endsWith(".rtf"));
    EXPECT_TRUE(readAll(file).startsWith("{\\rtf1"));
    QFile::remove(file);
}
