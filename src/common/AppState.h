#pragma once

#include "common/StiffnessConstants.h"

#include <QString>
#include <array>
#include <cstdint>

namespace valtrane {

// Gauge models as DeviceCode numbers them (the registry, project files, reports and exports).
enum DeviceModel : std::int32_t { LD4800 = 0, NG7700A = 1, NG7700B = 2, SG2150 = 3 };

// The program-wide values, in one object that main() makes and passes to whoever needs them.
struct AppState {
    std::int32_t DeviceCode = LD4800;     // gauge model of the data in the database
    std::int16_t LastStatus = 0;          // last status code of the link, a parse run or a download
    QString Table_List;                   // tables of the database, each followed by one blank
    QString CurrentTable;                 // the table on screen (nuclear gauges: project id without ".")
    QString CurrentSurface;               // "ASPHALT", "SOIL", "THIN" or "NONE"
    QString TreeRootCaption;              // the tree root's caption after a download or project load
    QString LastFolder;                   // where the file and export dialogs open
    std::int16_t ReportFontSize = 9;      // 9 to 12 points
    valtrane::StiffnessConstants StiffnessConstants;
    bool ConstantsChanged = false;        // the constants dialog saved new values
    bool CsvReport = false;               // the NG7700A raw-data export uses the comma layout
    bool ExportConfirmed = false;         // an export is in progress

    // Company and project information for report headers (CInfo 0 to 8: company, address,
    // city/state/zip, phone, fax, email, project name, machine number, tested by). "Empty" means
    // not filled in.
    std::array<QString, 9> CInfo{EmptyInfo(), EmptyInfo(), EmptyInfo(), EmptyInfo(), EmptyInfo(),
                                 EmptyInfo(), EmptyInfo(), EmptyInfo(), EmptyInfo()};
    bool InformationChanged = false;      // edited on the report and not saved yet

    static QString EmptyInfo() { return QStringLiteral("Empty"); }
};

} // namespace valtrane
