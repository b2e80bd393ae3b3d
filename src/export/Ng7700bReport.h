#pragma once

#include <QString>

namespace valtrane::db {
class Recordset;
}

namespace valtrane::exporting {

class ReportLines;

// The compaction control report of NG7700B project tables, as the gauge prints it: the report
// title (before the first project only), the project line with its labelled header values, the
// column headings, one comma-separated line per reading in columns, and the last reading with its
// values joined by ", ".
class Ng7700bReport {
public:
    explicit Ng7700bReport(ReportLines &out) : m_out(out) {}

    // False, with error set, when the table lacks a field of the report.
    bool writeTable(db::Recordset &records, QString &error);

private:
    ReportLines &m_out;
    bool m_titleWritten = false;
};

} // namespace valtrane::exporting
