#pragma once

#include "report/ReportDocument.h"

#include <QString>

namespace valtrane::report {

// The two report layouts, built in code: Report (load-frame logger, nuclear gauges and the raw
// data of a stiffness run) and StiffyReport (the stiffness results of a run). Both print on US
// Letter: landscape, portrait for the load-frame logger.
class ReportLayouts {
public:
    static constexpr int ColumnCount = 19;  // column index 1 is "RD#", 2 to 19 are "Col 1" to "Col 18"
    static constexpr int StiffyColumnCount = 10;

    // Report laid out for a gauge model at a report font size; every column shows its placeholder,
    // every data object a blank.
    static ReportDocument buildReport(int deviceCode, int fontSize = 9);
    static ReportDocument buildStiffyReport();

    // Object names of the columns by column index.
    static QString headerName(int index) { return QStringLiteral("ColHeader%1").arg(index); }
    static QString dataName(int index) { return QStringLiteral("ColData%1").arg(index); }
    static QString borderName(int index) { return QStringLiteral("ColBorder%1").arg(index); }
    static QString groupLabelName(const QString &entry);  // "Noise Data" / "Signal Data"
    static QString stiffyHeaderName(int column) { return QStringLiteral("StiffHeader%1").arg(column); }
    static QString stiffyDataName(int column) { return QStringLiteral("StiffCol%1").arg(column); }
    static QString stiffyAverageName(int result) { return QStringLiteral("StiffAvg%1").arg(result); }
    static QString graphPictureName() { return QStringLiteral("GraphPicture"); }

    // The load-frame right half: the twin of column index i is i + twinOffset(fontSize).
    static int twinOffset(int fontSize);
    // "RD#", "Col N", or for a load-frame twin "Co1 M".
    static QString placeholder(int deviceCode, int fontSize, int index);
    // How many column indexes a model's report uses at a font size (both halves for the logger).
    static int usedColumns(int deviceCode, int fontSize);

    // Font size, column widths and positions, the columns shown and the lines a page for a new
    // report font size; every header gets its placeholder and every data object a blank.
    static void applyReportFont(ReportDocument &report, int deviceCode, int fontSize);
};

} // namespace valtrane::report
