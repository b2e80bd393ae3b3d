#pragma once

class QPrinter;

namespace valtrane::report {

class ReportDocument;

// Prints a report on the printer the user chose: in the report's orientation on US Letter, the
// copies asked for, and the printer's from/to pages when both are positive and "to" >= "from",
// else every page. False when the printer could not be started.
bool printReport(const ReportDocument &document, QPrinter &printer);

} // namespace valtrane::report
