#pragma once

#include "export/ReportOnScreen.h"

#include <QString>

namespace valtrane::report {
struct ReportExportOptions;
}

namespace valtrane::exporting {

// The two report objects, filled for the table on screen, as the export handler uses them: the
// report tab's in the desktop program, reports set up on the spot on the command line.
class ExportReports {
public:
    virtual ~ExportReports() = default;
    // Has the report engine export that report without asking anyone. False when the report
    // cannot be made or written; error then says why.
    virtual bool exportReport(ReportOnScreen which, const report::ReportExportOptions &options, QString &error) = 0;
};

} // namespace valtrane::exporting
