#pragma once

#include "app/ChannelGraphData.h"

#include <QChartView>
#include <QImage>

namespace valtrane::app {

// The "View Graph" page: a load-frame test's readings as an XY chart, CH1 over CH2 and CH1 over
// CH3, and the same chart written as the picture the report shows.
class ChannelGraphView : public QChartView {
    Q_OBJECT
public:
    explicit ChannelGraphView(QWidget *parent = nullptr);

    void draw(const ChannelGraphData &data);

    // The chart as drawn, rendered at the given pixel size; the chart on screen is not touched.
    QImage picture(QSize size) const;
    // Writes picture(ChannelGraphData::pictureSizePixels()) as a BMP file, replacing any old one.
    bool savePicture(const QString &fileName) const;

private:
    ChannelGraphData m_data;
};

} // namespace valtrane::app
