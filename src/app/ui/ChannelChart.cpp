#include "app/ui/ChannelChart.h"

#include <QLineSeries>
#include <QValueAxis>
#include <cmath>

namespace valtrane::app {

namespace {

QLineSeries *curve(const ChannelGraphData &data, int xColumn, const QString &name)
{
    auto *series = new QLineSeries;
    series->setName(name);
    series->setPointsVisible(true);
    for (const auto &row : data.rows) {
        const float x = row[size_t(xColumn)];
        const float y = row[size_t(xColumn) + 1];
        if (!std::isnan(x) && !std::isnan(y))
            series->append(x, y);
    }
    return series;
}

QValueAxis *axis(const QString &title)
{
    auto *a = new QValueAxis;
    QFont font(QStringLiteral("Courier"), 14);
    font.setStyleHint(QFont::TypeWriter);
    a->setTitleFont(font);
    a->setTitleText(title);
    a->setLabelFormat(QStringLiteral("%g"));
    return a;
}

// Automatic scale: the data's range, widened to round numbers.
void scale(QValueAxis *a, QList<QPointF> points, bool horizontal)
{
    if (points.isEmpty())
        return;
    qreal lo = horizontal ? points.first().x() : points.first().y();
    qreal hi = lo;
    for (const QPointF &p : points) {
        const qreal v = horizontal ? p.x() : p.y();
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
    if (lo == hi) {
        lo -= 1;
        hi += 1;
    }
    a->setRange(lo, hi);
    a->applyNiceNumbers();
}

} // namespace

void ChannelChart::fill(QChart &chart, const ChannelGraphData &data)
{
    chart.setPlotAreaBackgroundBrush(QBrush(QColor(255, 255, 255)));
    chart.setPlotAreaBackgroundPen(QPen(QColor(60, 60, 60), 3));
    chart.setPlotAreaBackgroundVisible(true);

    QLineSeries *first = curve(data, 0, ChannelGraphData::firstCurveName());
    QLineSeries *second = curve(data, 2, ChannelGraphData::secondCurveName());
    chart.addSeries(first);
    chart.addSeries(second);

    QValueAxis *horizontal = axis(data.horizontalTitle);
    QValueAxis *vertical = axis(data.verticalTitle);
    QValueAxis *secondVertical = axis(data.secondVerticalTitle);
    chart.addAxis(horizontal, Qt::AlignBottom);
    chart.addAxis(vertical, Qt::AlignLeft);
    chart.addAxis(secondVertical, Qt::AlignRight);
    for (QLineSeries *s : {first, second}) {
        s->attachAxis(horizontal);
        s->attachAxis(vertical);
    }
    const QList<QPointF> all = first->points() + second->points();
    scale(horizontal, all, true);
    scale(vertical, all, false);
    // Both curves plot CH1 upwards, so the second vertical axis reads the same scale.
    secondVertical->setRange(vertical->min(), vertical->max());
    secondVertical->setTickCount(vertical->tickCount());

    chart.legend()->setVisible(true);
    chart.legend()->setAlignment(Qt::AlignBottom);

    chart.setTitle(ChannelGraphData::title());
    QFont titleFont = chart.titleFont();
    titleFont.setPointSize(16);
    titleFont.setBold(true);
    chart.setTitleFont(titleFont);
    chart.setTitleBrush(QBrush(QColor(50, 0, 255)));
}

} // namespace valtrane::app
