#pragma once

#include <QString>

namespace valtrane::db {
class Recordset;
}

namespace valtrane::exporting {

class ReportLines;

// The run listing of SG2150 run tables: the run line of the header record, one comma-separated
// line per frequency bin, and an empty line. The summary-run table RUN21 holds one header record
// per run and is written as their run lines, each followed by an empty line.
class Sg2150Listing {
public:
    explicit Sg2150Listing(ReportLines &out) : m_out(out) {}

    static bool isSummaryTable(const QString &tableName);

    // False, with error set, when the table lacks a field of the listing.
    bool writeTable(db::Recordset &records, QString &error);

private:
    ReportLines &m_out;
};

} // namespace valtrane::exporting
