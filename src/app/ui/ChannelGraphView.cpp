#include "app/ui/ChannelGraphView.h"

#include "app/ui/ChannelChart.h"

#include <QCoreApplication>
#include <QGraphicsScene>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

namespace valtrane::app {

ChannelGraphView::ChannelGraphView(QWidget *parent)
    : QChartView(parent)
{
    setRenderHint(QPainter::Antialiasing);
    ChannelChart::fill(*chart(), m_data);
}

void ChannelGraphView::draw(const ChannelGraphData &data)
{
    m_data = data;
    // Each drawing gets a chart of its own: axes taken off a chart can leave their ticks and
    // labels drawn over the new ones.
    auto *fresh = new QChart;
    ChannelChart::fill(*fresh, m_data);
    QChart *old = chart();
    setChart(fresh);
    delete old;
}

QImage ChannelGraphView::picture(QSize size) const
{
    // A chart of its own at the picture's size, so the one on screen keeps its size.
    QGraphicsScene scene;
    auto *chart = new QChart;
    scene.addItem(chart);
    ChannelChart::fill(*chart, m_data);
    chart->setGeometry(QRectF(QPointF(0, 0), size));
    // The chart lays itself out when its posted layout request is handled.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    scene.render(&painter, QRectF(QPointF(0, 0), size), QRectF(QPointF(0, 0), size));
    return image;
}

bool ChannelGraphView::savePicture(const QString &fileName) const
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QImageWriter writer(&file, "BMP");
    if (!writer.write(picture(ChannelGraphData::pictureSizePixels())))
        return false;
    return file.commit();
}

} // namespace valtrane::app
