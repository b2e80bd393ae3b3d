#pragma once

#include "common/Prompter.h"
#include "report/StiffnessReportCells.h"

#include <QString>

namespace valtrane::exporting {

// The stiffness summary file of the run the stiffness report shows: the run line, two headings,
// 25 rows of bins with the moisture content and densities on the first, and the averages, as
// comma-separated text with CR LF line ends. Every value is copied as the report shows it.
//
// The file is replaced only once it is complete: when it cannot be written, the message "Error
// Opening File.  Make sure file is closed." is shown and an existing file keeps its old contents.
// False in that case.
bool writeoutStiffy(const report::StiffnessReportCells &cells, const QString &fileName, Prompter &prompter);

} // namespace valtrane::exporting
