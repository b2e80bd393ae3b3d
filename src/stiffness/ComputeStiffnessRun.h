#pragma once

#include "common/StiffnessConstants.h"

#include <QString>
#include <QVariant>
#include <array>
#include <optional>
#include <vector>

namespace valtrane::db {
class Recordset;
}

namespace valtrane::stiffness {

// One record of a stiffness run table as stored: a null QVariant where a field holds no value.
// The first record of a run is its header (run number, measured stiffness, calibration factor,
// date, time); for runs 1 to 20 every further record is one frequency bin.
struct StiffnessRecord {
    QVariant runNumber, measure, calFactor, date, time;
    QVariant binNumber, frequency;
    QVariant realDisplNd, imagDisplNd, realForceNd, imagForceNd;
    QVariant realDisplSd, imagDisplSd, realForceSd, imagForceSd;
    QVariant noiseOverload, signalOverload;
};

// The records of an open run table, read once from the first to the last in stored order.
std::vector<StiffnessRecord> readStiffnessRecords(db::Recordset &records);

// The six result columns of a bin, in the order the report and the summary file show them.
enum StiffnessResultColumn {
    StiffnessMnPerM = 0,
    StiffnessLbfPerIn,
    YoungsModulusMpa,
    YoungsModulusPsi,
    ShearModulusMpa,
    ShearModulusPsi,
    StiffnessResultCount
};

// One row of the results: every text as the report shows it.
struct StiffnessBinResult {
    QString binNumber;
    QString frequency;
    QString displacementSnr;
    QString forceSnr;
    std::array<QString, StiffnessResultCount> results;
    // The unrounded results behind the texts; empty where the row shows none.
    std::array<std::optional<double>, StiffnessResultCount> values;
};

struct StiffnessRunResult {
    // A run numbered above 20: one row per run, results from the gauge's own stiffness only.
    bool summaryOnly = false;
    std::vector<StiffnessBinResult> bins;
    std::array<QString, StiffnessResultCount> averages;  // empty for a summary-only run
    QString moistureContent;
    QString densityPcf;
    QString densityKgPerM3;
};

// The signal-to-noise ratios, stiffness, Young's and shear moduli of every bin of a run, their
// averages and the estimated dry density, computed from the stored records and the constants.
// Nothing that cannot be computed stops the run: such a cell shows "NA".
StiffnessRunResult ComputeStiffnessRun(const std::vector<StiffnessRecord> &records, const StiffnessConstants &constants);

} // namespace valtrane::stiffness
