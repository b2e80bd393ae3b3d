#pragma once

#include <QString>

namespace valtrane::db {
class Recordset;
}

namespace valtrane::exporting {

class ReportLines;

// The compaction control report of an NG7700A project table: a soil section when the table has
// soil records ("S"), then an asphalt section when it has asphalt records ("A"), each with its
// title, column headings, one line per record and the averages and sample deviations of its
// density, water and compaction columns. Records of any other surface belong to neither section.
//
// The soil section can be written in the comma-separated form of the raw-data export; the asphalt
// section is always written in columns.
class Ng7700aReport {
public:
    Ng7700aReport(ReportLines &out, bool commaVariant) : m_out(out), m_commaVariant(commaVariant) {}

    // False, with error set, when the table lacks a field of the report.
    bool writeTable(db::Recordset &records, QString &error);

private:
    bool writeSection(db::Recordset &records, bool soil, QString &error);

    ReportLines &m_out;
    bool m_commaVariant;
};

} // namespace valtrane::exporting
