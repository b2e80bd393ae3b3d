#include "export/EngineReports.h"

namespace valtrane::exporting {

EngineReports::EngineReports(Builder build, report::ReportExport::Opener opener)
    : m_build(std::move(build))
    , m_engine(std::move(opener))
{
}

bool EngineReports::exportReport(ReportOnScreen which, const report::ReportExportOptions &options, QString &error)
{
    const std::optional<report::ReportDocument> document = m_build ? m_build(which) : std::nullopt;
    if (!document) {
        error = QStringLiteral("The report could not be made for the table on screen.");
        return false;
    }
    if (m_engine.exportReport(*document, options))
        return true;
    if (!options.allPages && (options.firstPage < 1 || options.firstPage > document->pageCount() || options.lastPage < options.firstPage)) {
        error = QStringLiteral("The report has pages 1 to %1.").arg(document->pageCount());
        return false;
    }
    error = options.destinationType == report::DiskFileDestination
                ? QStringLiteral("Make sure the file is closed and the folder can be written to.")
                : QStringLiteral("No program is registered to open the file.");
    return false;
}

} // namespace valtrane::exporting
