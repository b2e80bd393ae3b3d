#include "cli/ReportPlacement.h"

#include "cli/CliContext.h"
#include "report/ColumnObjects.h"
#include "report/LayoutFiles.h"
#include "report/ReportColumns.h"
#include "report/ReportLogo.h"
#include "report/ReportSet.h"

namespace valtrane::cli {

namespace {

bool placeColumns(CliContext &context, report::ReportSet &reports, db::Database &database, const QStringList &entries,
                  const QString &currentTable, const QString &surfaceLetter)
{
    const int device = context.state.DeviceCode;
    report::ReportColumns columns(reports.Report, reports.columns, database, device, context.state.ReportFontSize);
    const QStringList valid = report::ColumnObjects::entries(device);
    int position = 0;
    for (const QString &entry : entries) {
        if (!valid.contains(entry)) {
            context.err << "valtrane-cli: '" << entry << "' is not a column object of this gauge; the entries are: \""
                        << valid.join(QStringLiteral("\", \"")) << "\"\n";
            return false;
        }
        const auto placed = columns.placeColumnObject(position, entry, currentTable, surfaceLetter, context.prompter);
        if (placed == report::ReportColumns::Placement::Refused)
            return false;
        position += report::ColumnObjects::isGroup(entry) ? 4 : 1;
    }
    columns.ShowPlaceholderColumns(true);
    return true;
}

bool placeLayout(CliContext &context, report::ReportSet &reports, db::Database &database, const QString &currentTable,
                 const QString &surface)
{
    // The layout is loaded for the table on screen, as the report tab loads it.
    context.state.CurrentTable = currentTable;
    if (context.state.CurrentSurface.isEmpty())
        context.state.CurrentSurface = surface;
    report::ReportLogo logo(reports);
    report::LayoutFiles layout(context.paths, context.state, reports, logo, database, context.prompter);
    if (layout.load() != report::LayoutFiles::Loaded::Placed)
        return false;
    report::ReportColumns(reports.Report, reports.columns, database, context.state.DeviceCode, context.state.ReportFontSize)
        .ShowPlaceholderColumns(true);
    return true;
}

} // namespace

bool ReportPlacement::place(CliContext &context, report::ReportSet &reports, db::Database &database, const QString &currentTable,
                            const QString &surface) const
{
    if (layout)
        return placeLayout(context, reports, database, currentTable, surface);
    return placeColumns(context, reports, database, columns, currentTable, surface.left(1));
}

} // namespace valtrane::cli
