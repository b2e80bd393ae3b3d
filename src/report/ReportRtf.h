#pragma once

#include "report/ReportPages.h"

#include <QByteArray>

namespace valtrane::report {

class ReportDocument;

// The "exact" rich text of the pages of span: each page of the report becomes a page of the file
// with the same texts at the same places, in frames positioned on the page, same fonts and sizes.
QByteArray reportRtf(const ReportDocument &document, const PageSpan &span);

} // namespace valtrane::report
