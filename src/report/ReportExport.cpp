#include "report/ReportExport.h"

#include "report/ReportDocument.h"
#include "report/ReportPdf.h"
#include "report/ReportRtf.h"

#include <QDesktopServices>
#include <QDir>
#include <QSaveFile>
#include <QTemporaryFile>

namespace valtrane::report {

namespace {

bool writeFormat(const ReportDocument &document, int format, const PageSpan &span, QIODevice &device)
{
    if (format == PdfFormat)
        return writeReportPdf(document, device, span);
    const QByteArray rtf = reportRtf(document, span);
    return !rtf.isEmpty() && device.write(rtf) == rtf.size();
}

QString suffixOf(int format)
{
    return format == PdfFormat ? QStringLiteral("pdf") : QStringLiteral("rtf");
}

} // namespace

ReportExport::ReportExport(Opener opener) : m_opener(std::move(opener))
{
    if (!m_opener)
        m_opener = [](const QUrl &url) { return QDesktopServices::openUrl(url); };
}

bool ReportExport::exportReport(const ReportDocument &document, const ReportExportOptions &options)
{
    m_writtenFile.clear();
    if (options.formatType != PdfFormat && options.formatType != ExactRichTextFormat)
        return false;
    const PageSpan span =
        PageSpan::chosen(document.pageCount(), options.allPages, options.firstPage, options.lastPage);
    if (span.empty() || span.first > document.pageCount())
        return false;

    if (options.destinationType == DiskFileDestination) {
        if (options.diskFileName.isEmpty())
            return false;
        QSaveFile file(options.diskFileName);
        if (!file.open(QIODevice::WriteOnly))
            return false;
        if (!writeFormat(document, options.formatType, span, file)) {
            file.cancelWriting();
            return false;
        }
        if (!file.commit())
            return false;
        m_writtenFile = options.diskFileName;
        return true;
    }
    if (options.destinationType != ApplicationDestination)
        return false;
    // The application reads the file after we return, so it outlives this export.
    QTemporaryFile file(QDir::temp().filePath(QStringLiteral("Valtrane Report XXXXXX.") + suffixOf(options.formatType)));
    file.setAutoRemove(false);
    if (!file.open())
        return false;
    const bool written = writeFormat(document, options.formatType, span, file);
    file.close();
    if (!written) {
        file.remove();
        return false;
    }
    m_writtenFile = file.fileName();
    return m_opener(QUrl::fromLocalFile(m_writtenFile));
}

} // namespace valtrane::report
