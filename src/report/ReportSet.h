#pragma once

#include "report/ReportColumnState.h"
#include "report/ReportDocument.h"

namespace valtrane::report {

// The program's two reports and the column state of the first, kept as long as the main window.
struct ReportSet {
    ReportDocument Report;
    ReportDocument StiffyReport;
    ReportColumnState columns;
    int deviceCode = -1;  // the gauge model Report is laid out for; -1 before the first set-up
};

} // namespace valtrane::report
