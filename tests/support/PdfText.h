#pragma once

#include <QString>

namespace valtrane::test {

// The text of a PDF as poppler's pdftotext reads it, laid out as printed; page 0 means every page.
QString pdfText(const QString &pdf, int page = 0);

} // namespace valtrane::test
