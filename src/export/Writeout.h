#pragma once

#include "common/AppPaths.h"
#include "common/AppState.h"

#include <QString>

namespace valtrane::db {
class Database;
}

namespace valtrane::exporting {

class ReportLines;

// Writes project tables of the database as a text file laid out like the gauge's own printed
// report, so that the program can read it back through the gauge parsers: the first line holds
// the gauge model code (" 1 "), then one block per table. Saving projects and the raw-data export
// both use it.
class Writeout {
public:
    explicit Writeout(const AppPaths &paths) : m_paths(paths) {}

    // Writes the tables of tableList (names each followed by one blank; for the nuclear gauges the
    // project identifiers) in list order, for the gauge model modelCode (DeviceCode numbering).
    // A non-empty singleTableName is written alone instead. An empty tableList writes nothing and
    // creates no file. For NG7700A, state.CsvReport selects the comma-separated soil section.
    //
    // When connection is not open, the database file is opened on it. At the end the connection
    // is closed, unless an export is in progress (state.ExportConfirmed).
    //
    // The file is written whole and then put in place: on any failure (a table that cannot be
    // read, a file that cannot be written) the file is left as it was, false is returned and
    // errorText() says why.
    bool writeout(db::Database &connection, const QString &fileName, const QString &tableList, int modelCode,
                  const QString &singleTableName, const AppState &state);

    const QString &errorText() const { return m_error; }

private:
    bool writeTables(db::Database &connection, ReportLines &out, const QString &tableList, int modelCode, bool commaVariant);

    const AppPaths &m_paths;
    QString m_error;
};

} // namespace valtrane::exporting
