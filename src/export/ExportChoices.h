#pragma once

#include <QString>

namespace valtrane::exporting {

// What the user chose in the export dialog the last time it was closed with "Export". The export
// handler works from these alone, and they stay until the next "Export": the Export command keeps
// them as long as the main window lives.
struct ExportChoices {
    QString ExportDestChoice = QStringLiteral("DISK");    // "APPLICATION" or "DISK"
    QString ExportFormatChoice = QStringLiteral("CSV");   // "CSV", "RTF" or "PDF"
    QString ExportRangeChoice = QStringLiteral("ALL");    // "ALL" or "RANGE"
    QString ExportRangeFirst = QStringLiteral("1");       // page numbers as typed
    QString ExportRangeLast = QStringLiteral("1");
    QString ExportWhatChoice = QStringLiteral("ALL");     // "ALL" or "CURRENT"
    QString RawExportFile;        // the main report or the raw data
    QString StiffnessExportFile;  // the stiffness report or summary
};

} // namespace valtrane::exporting
