#pragma once

#include "report/ReportPages.h"

#include <QImage>
#include <QString>

namespace valtrane::report {

class ReportDocument;
class ReportRenderer;

// A page as a picture on white paper, at the given resolution.
QImage reportPageImage(const ReportRenderer &renderer, int page, double dotsPerInch);

// PNG pictures of the pages of span in folder, named page-001.png, page-002.png, ...; each file
// written whole or not at all. False when a page could not be written.
bool writeReportPages(const ReportDocument &document, const QString &folder, const PageSpan &span,
                      double dotsPerInch);

} // namespace valtrane::report
