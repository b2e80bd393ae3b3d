#include "cli/ReportOutput.h"

#include "cli/CliContext.h"
#include "report/ReportExport.h"
#include "report/ReportImages.h"
#include "report/ReportRenderer.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

namespace valtrane::cli {

namespace {

constexpr double PageDotsPerInch = 96;

bool exportFile(const report::ReportDocument &document, const QString &file, int format)
{
    report::ReportExportOptions options;
    options.destinationType = report::DiskFileDestination;
    options.diskFileName = file;
    options.formatType = format;
    return report::ReportExport().exportReport(document, options);
}

// page-1.png, page-2.png, ... in folder, each written whole or not at all.
bool writePages(const report::ReportDocument &document, const QString &folder)
{
    if (!QDir().mkpath(folder))
        return false;
    report::ReportRenderer renderer(document);
    for (int page = 1; page <= renderer.pageCount(); ++page) {
        QSaveFile file(QDir(folder).filePath(QStringLiteral("page-%1.png").arg(page)));
        if (!file.open(QIODevice::WriteOnly))
            return false;
        QImageWriter writer(&file, "PNG");
        if (!writer.write(report::reportPageImage(renderer, page, PageDotsPerInch)) || !file.commit())
            return false;
    }
    return true;
}

} // namespace

int writeReportOutput(CliContext &context, const report::ReportDocument &document, const ReportOutputFiles &files)
{
    const struct {
        QString path;
        int format;
        const char *what;
    } exports[] = {{files.pdf, report::PdfFormat, "PDF"}, {files.rtf, report::ExactRichTextFormat, "rich text"}};
    for (const auto &e : exports) {
        if (e.path.isEmpty())
            continue;
        const QString file = QFileInfo(e.path).absoluteFilePath();
        if (!QDir().mkpath(QFileInfo(file).absolutePath()) || !exportFile(document, file, e.format))
            return context.fail(QStringLiteral("the report could not be written to %1").arg(file));
        context.out << "Report written as " << e.what << " to " << file << "\n";
    }
    if (!files.pngFolder.isEmpty()) {
        const QString folder = QFileInfo(files.pngFolder).absoluteFilePath();
        if (!writePages(document, folder))
            return context.fail(QStringLiteral("the report pages could not be written to %1").arg(folder));
        context.out << "Report pages written to " << folder << "\n";
    }
    return 0;
}

} // namespace valtrane::cli
