#pragma once

#include "common/AppPaths.h"
#include "common/AppState.h"
#include "export/ReportOnScreen.h"
#include "report/ReportDocument.h"
#include "report/ReportSet.h"

#include <optional>

namespace valtrane::db {
class Database;
}

namespace valtrane::exporting {

// The reports of the table on screen (CurrentTable, CurrentSurface), set up in reports the way the
// report tab sets them up: Report with its header, first column and averages, and StiffyReport for
// a stiffness run. Returns the one asked for; nullopt when there is no table on screen, no
// database, or no stiffness report for the gauge model.
std::optional<report::ReportDocument> tableReport(report::ReportSet &reports, db::Database &database, const AppPaths &paths,
                                                  AppState &state, ReportOnScreen which);

} // namespace valtrane::exporting
