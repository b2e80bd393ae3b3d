#pragma once

#include "report/ReportPages.h"

class QIODevice;

namespace valtrane::report {

class ReportDocument;

// Writes the pages of span as PDF through the report renderer; texts stay text, so they can be
// selected and searched. The page size and orientation are the document's.
bool writeReportPdf(const ReportDocument &document, QIODevice &device, const PageSpan &span);

} // namespace valtrane::report
