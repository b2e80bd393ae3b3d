#pragma once

#include <QString>
#include <QStringList>

namespace valtrane::db {
class Database;
}
namespace valtrane::report {
struct ReportSet;
}

namespace valtrane::cli {

struct CliContext;

// The columns of Report as the command line names them: "Column Object" entries placed into
// Col 1, Col 2, ... one after another as a user chooses them (a group takes four columns), or the
// saved layout of the gauge model as "Load Layout" places it. Shared by report and export.
struct ReportPlacement {
    QStringList columns;
    bool layout = false;

    bool empty() const { return columns.isEmpty() && !layout; }
    // Places them into reports.Report, set up for currentTable. False after a message: an unknown
    // entry, a refused placement, no saved layout.
    bool place(CliContext &context, report::ReportSet &reports, db::Database &database, const QString &currentTable,
               const QString &surface) const;
};

} // namespace valtrane::cli
