#pragma once

#include "common/AppPaths.h"
#include "common/AppState.h"
#include "db/Recordset.h"

#include <QSize>
#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace valtrane::app {

// What the channel graph of a load-frame test shows: per reading the values CH2, CH1, CH3, CH1
// (curve 1 is CH1 over CH2, curve 2 CH1 over CH3), and the axis titles, which are the channel
// names of the test's last reading. A reading whose channel value is empty has NaN there and is
// left out of that curve.
struct ChannelGraphData {
    std::vector<std::array<float, 4>> rows;
    QString horizontalTitle;       // CH2NAME
    QString verticalTitle;         // CH1NAME
    QString secondVerticalTitle;   // CH3NAME

    static QString title() { return QStringLiteral("LD4800 Results"); }
    static QString firstCurveName() { return QStringLiteral("CH1 Vs. CH2"); }
    static QString secondCurveName() { return QStringLiteral("CH1 Vs. CH3"); }

    // The first readingCount rows of the data set; nullopt (the graph is left as it was) while no
    // table is on screen or the database file is missing.
    static std::optional<ChannelGraphData> read(const AppPaths &paths, const AppState &state, db::Recordset *dataSet,
                                                int readingCount);

    // The picture file is the chart at 4665 x 7245 twips enlarged by a third: height 6220, then
    // width 7245 + 6220 / 3.
    static QSize pictureSizeTwips();
    // The same at 15 twips per pixel, so the picture does not depend on the screen.
    static QSize pictureSizePixels();
};

} // namespace valtrane::app
