#pragma once

#include <QString>

namespace valtrane::db {
class Recordset;
}

namespace valtrane::exporting {

class ReportLines;

// The test printout of LD4800 test tables, as the logger prints it: the test's heading, the
// channel-name line, one comma-separated line per reading and "END".
class Ld4800Listing {
public:
    explicit Ld4800Listing(ReportLines &out) : m_out(out) {}

    // The heading line of a test table, chosen from the beginning of its name; empty when the name
    // is not one the logger gives.
    static QString testHeading(const QString &tableName);

    // False, with error set, when the table lacks a field of the listing or is not a logger test.
    bool writeTable(db::Recordset &records, QString &error);

private:
    ReportLines &m_out;
};

} // namespace valtrane::exporting
