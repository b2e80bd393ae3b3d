#pragma once

#include "common/AppPaths.h"
#include "common/AppState.h"
#include "report/ReportSet.h"

#include <QString>

namespace valtrane::db {
class Database;
class Recordset;
}

namespace valtrane::report {

// Sets up the reports of a selected project, test or run: the header block, the first column,
// the average lines, the load-frame test title and graph, and the stiffness results report.
class ReportSetup {
public:
    ReportSetup(ReportSet &reports, db::Database &database, const AppPaths &paths, AppState &state);

    // Lays Report out for deviceCode at 9 points and writes its header objects from the first
    // record of table (nuclear gauges: the project id, table "P" + id); every column empty but the
    // "Remarks" in "Col 1". The average lines are FillAverages' to write.
    void setUp(const QString &table, int deviceCode);
    // The first column, the average lines of the nuclear gauges and StiffyReport of a stiffness run.
    void FillAverages(const QString &table, const QString &surfaceLetter, int deviceCode);
    // A new report font size: columns laid out again and emptied, "Remarks" in "Col 1".
    void applyReportFont(int fontSize, const QString &table, const QString &surfaceLetter);
    void fillStiffyReport(const QString &table);

    // A cell of the stiffness results' average row, position 1 to 6: shown with its borders, or
    // hidden without them.
    static void SetCellBorders(ReportDocument &report, const QString &cell, int position, bool hide);
    // Sum over count as "####0.00"; no readings give an empty text.
    static QString averageText(double sum, int count);

    static QString gaugeTitle(int deviceCode);

private:
    void writeNuclearHeader(db::Recordset &first, int deviceCode);
    void writeStiffnessHeader(ReportDocument &report, const QString &table);
    void writeNuclearAverages(const QString &table, const QString &surfaceLetter, int deviceCode);
    void startColumns(int deviceCode);

    ReportSet &m_reports;
    db::Database &m_database;
    const AppPaths &m_paths;
    AppState &m_state;
};

} // namespace valtrane::report
