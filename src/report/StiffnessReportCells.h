#pragma once

#include "common/StiffnessConstants.h"
#include "stiffness/ComputeStiffnessRun.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace valtrane::db {
class Database;
}

namespace valtrane::report {

// The columns of the stiffness results report, left to right.
enum StiffnessReportColumn {
    BinNumberColumn = 0,
    FrequencyColumn,
    DisplacementSnrColumn,
    ForceSnrColumn,
    FirstResultColumn,  // then the six result columns in StiffnessResultColumn order
    StiffnessReportColumnCount = FirstResultColumn + int(stiffness::StiffnessResultCount)
};

constexpr int resultColumn(stiffness::StiffnessResultColumn result)
{
    return FirstResultColumn + int(result);
}

// The texts of every cell of the stiffness results report of one run, without any window: what
// the report shows and what the stiffness summary file repeats.
struct StiffnessReportCells {
    QString runNumber;  // "+" appended for a run numbered above 20
    QString date;
    QString time;
    QString measure;    // the gauge's own stiffness
    QString calFactor;

    // Each column holds one value per row, each value followed by a carriage return.
    std::array<QString, StiffnessReportColumnCount> columns;
    std::array<QString, stiffness::StiffnessResultCount> averages;
    bool averagesHidden = false;  // a summary-only run has no averages
    QString moistureContent;
    QString densityPcf;
    QString densityKgPerM3;

    QString runLine() const;          // run number, date and time
    QString measurementLine() const;  // "Measure: " and "Calibration Factor: " with their values

    // The cells of the run table table, computed with constants; nullopt when the database has no
    // such run table.
    static std::optional<StiffnessReportCells> build(db::Database &database, const QString &table,
                                                     const StiffnessConstants &constants);
    static StiffnessReportCells fromRecords(const std::vector<stiffness::StiffnessRecord> &records,
                                            const StiffnessConstants &constants);
};

} // namespace valtrane::report
