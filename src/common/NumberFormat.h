#pragma once

#include <QString>
#include <QStringView>

namespace valtrane {

// Number patterns of the reports, files and constants: "0.0", "##0.0", "0.#0", "####0.00",
// "#0.0000", "#0.#0", "0.###0", "0.##0". In the integer part each "0" is a digit always shown and
// "#" a digit shown only when it is significant; in the decimal part every placeholder counts
// towards the number of decimals, and decimals after the last "0" are dropped when they are zero.
// The value is rounded to that many decimals, ties to the even digit. A result that rounds to zero
// is shown without a minus sign.
QString formatNumber(double value, QStringView pattern);

} // namespace valtrane
