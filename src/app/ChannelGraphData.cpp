#include "app/ChannelGraphData.h"

#include "common/Twips.h"
#include "db/FieldValue.h"

#include <QFileInfo>
#include <limits>

namespace valtrane::app {

namespace {

constexpr int ChartHeightTwips = 4665;
constexpr int ChartWidthTwips = 7245;
constexpr double PictureDotsPerInch = 96.0;

float channel(db::Recordset &set, QStringView field)
{
    bool ok = false;
    const QVariant v = set.field(field, &ok);
    bool number = false;
    const double d = v.toDouble(&number);
    if (!ok || v.isNull() || !number)
        return std::numeric_limits<float>::quiet_NaN();
    return float(d);
}

QString text(db::Recordset &set, QStringView field)
{
    return db::fieldText(set.field(field));
}

} // namespace

std::optional<ChannelGraphData> ChannelGraphData::read(const AppPaths &paths, const AppState &state, db::Recordset *dataSet,
                                                       int readingCount)
{
    if (state.CurrentTable.isEmpty() || !QFileInfo::exists(paths.database()))
        return std::nullopt;

    ChannelGraphData data;
    if (!dataSet)
        return data;
    dataSet->moveFirst();
    for (int i = 0; i < readingCount && !dataSet->isEOF(); ++i) {
        const float ch1 = channel(*dataSet, u"CH1");
        data.rows.push_back({channel(*dataSet, u"CH2"), ch1, channel(*dataSet, u"CH3"), ch1});
        dataSet->moveNext();
    }
    if (dataSet->moveLast()) {
        data.horizontalTitle = text(*dataSet, u"CH2NAME");
        data.verticalTitle = text(*dataSet, u"CH1NAME");
        data.secondVerticalTitle = text(*dataSet, u"CH3NAME");
    }
    return data;
}

QSize ChannelGraphData::pictureSizeTwips()
{
    const int height = ChartHeightTwips + ChartHeightTwips / 3;
    const int width = ChartWidthTwips + height / 3;
    return QSize(width, height);
}

QSize ChannelGraphData::pictureSizePixels()
{
    const QSize t = pictureSizeTwips();
    return QSize(twips::toPixels(t.width(), PictureDotsPerInch), twips::toPixels(t.height(), PictureDotsPerInch));
}

} // namespace valtrane::app
