#pragma once

#include "report/ReportDocument.h"


#include <QString>

namespace valtrane::test {

// A landscape lab report like the program's: a report header with the company, a page header of
// column captions ("RD#", "Col 1", ...) with a rule below, value columns with borders in the details,
// "Page N of M" in the page footer and a remark in the report footer. Column c (0 = "RD#") holds
// the values "c.r" for rows r = 1 to valueLines, named "Data<c>" under header "Head<c>".
report::ReportDocument sampleLabReport(int valueLines, int columns);

// The value the sample report shows in column c on row r.
QString sampleValue(int column, int row);

} // namespace valtrane::test
