#include "export/TableReports.h"

#include "db/Database.h"
#include "report/ReportSetup.h"

namespace valtrane::exporting {

std::optional<report::ReportDocument> tableReport(report::ReportSet &reports, db::Database &database, const AppPaths &paths,
                                                  AppState &state, ReportOnScreen which)
{
    if (state.CurrentTable.isEmpty() || (which == ReportOnScreen::Stiffness && state.DeviceCode != SG2150))
        return std::nullopt;
    if (!database.isOpen() && !database.open(paths.database()))
        return std::nullopt;
    report::ReportSetup setup(reports, database, paths, state);
    setup.setUp(state.CurrentTable, state.DeviceCode);
    setup.FillAverages(state.CurrentTable, state.CurrentSurface.left(1), state.DeviceCode);
    return which == ReportOnScreen::Main ? reports.Report : reports.StiffyReport;
}

} // namespace valtrane::exporting
