#pragma once

#include "common/AppPaths.h"
#include "common/AppState.h"
#include "common/Prompter.h"
#include "export/ExportChoices.h"
#include "export/ExportReports.h"
#include "report/ReportExport.h"

#include <QString>
#include <QStringList>
#include <array>

namespace valtrane::db {
class Database;
}

namespace valtrane::exporting {

// Sends the data of the table on screen out of the program from the stored export choices
// (ExportChoices): comma-separated files written by the program itself, or the main report,
// the stiffness report or both exported by the report engine as rich text or PDF, to disk files or
// to the application registered for the format. Each report keeps its export options from one
// export to the next, as the report objects do.
//
// No file is ever left half-written: every writer puts a file in place only once it is whole.
class ExportHandler {
public:
    ExportHandler(const AppPaths &paths, AppState &state, const ExportChoices &choices, Prompter &prompter, ExportReports &reports);

    // What the Export command does once its dialog is closed: sets CsvReport for the NG7700A, runs
    // the export when the dialog was closed with "Export", then clears CsvReport and ends the
    // export. True when nothing was to be exported or the export went through.
    bool afterDialog(db::Database &connection, ReportOnScreen shown);

    // Runs the export on connection, opening the database on it when it is not open, and keeping it
    // open (an export is in progress). False when it ended on
    // a failure; errorText() then says why, or is empty when the user was already told.
    bool run(db::Database &connection, ReportOnScreen shown);

    const QString &errorText() const { return m_error; }
    // The files the last run wrote or had the engine write, in the order written.
    const QStringList &writtenFiles() const { return m_written; }
    const report::ReportExportOptions &options(ReportOnScreen which) const { return m_options[size_t(which)]; }

private:
    report::ReportExportOptions &optionsOf(ReportOnScreen which) { return m_options[size_t(which)]; }
    void setDestinations(ReportOnScreen shown);
    void setPages();
    bool writeCsv(db::Database &connection, ReportOnScreen shown);
    bool writeStiffnessSummary(db::Database &connection);
    bool writeRawData(db::Database &connection);
    bool exportReports(ReportOnScreen shown);
    bool exportReport(ReportOnScreen which);
    bool fail(const QString &message);

    const AppPaths &m_paths;
    AppState &m_state;
    const ExportChoices &m_choices;
    Prompter &m_prompter;
    ExportReports &m_reports;
    std::array<report::ReportExportOptions, 2> m_options;
    QString m_error;
    QStringList m_written;
};

} // namespace valtrane::exporting
