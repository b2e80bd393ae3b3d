#pragma once

#include "app/ChannelGraphData.h"

#include <QChart>

namespace valtrane::app {

// Fills a new chart with a test's two channel curves, titles, axes and legend.
class ChannelChart {
public:
    static void fill(QChart &chart, const ChannelGraphData &data);
};

} // namespace valtrane::app
