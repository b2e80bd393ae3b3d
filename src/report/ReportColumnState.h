#pragma once

#include <cstdint>

namespace valtrane::report {

// What the report remembers between column placements: where the "Remarks" column is and whether
// the stiffness gauge's Noise Data and Signal Data groups are placed, and where they end.
struct ReportColumnState {
    std::int16_t RemarksColumnIndex = 2;
    bool NoiseDataPlaced = false;
    bool SignalDataPlaced = false;
    std::int16_t NoiseDataLastColumn = 0;
    std::int16_t SignalDataLastColumn = 0;

    // Another selection in the tree, or "Clear Preview".
    void clearGroups()
    {
        NoiseDataPlaced = SignalDataPlaced = false;
        NoiseDataLastColumn = SignalDataLastColumn = 0;
    }
};

} // namespace valtrane::report
