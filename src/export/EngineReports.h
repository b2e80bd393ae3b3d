#pragma once

#include "export/ExportReports.h"
#include "report/ReportDocument.h"
#include "report/ReportExport.h"

#include <functional>
#include <optional>

namespace valtrane::exporting {

// The reports of an export made when the export asks for them, and exported by the report engine.
class EngineReports : public ExportReports {
public:
    // The report filled for the table on screen; nullopt when it cannot be made.
    using Builder = std::function<std::optional<report::ReportDocument>(ReportOnScreen)>;

    EngineReports(Builder build, report::ReportExport::Opener opener = {});

    bool exportReport(ReportOnScreen which, const report::ReportExportOptions &options, QString &error) override;

private:
    Builder m_build;
    report::ReportExport m_engine;
};

} // namespace valtrane::exporting
