#pragma once

#include "report/ReportDocument.h"

namespace valtrane::test {

// A landscape lab report: company header, captions "RD#", "Col 1", ... ruled below, bordered value
// columns, "Page N of M" footer and a closing remark. Column c (0 = "RD#") holds the values "c.r"
// for rows r = 1 to valueLines, named "Data<c>" under header "Head<c>".
report::ReportDocument sampleLabReport(int valueLines, int columns);

} // namespace valtrane::test
