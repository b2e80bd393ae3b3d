#include "app/GridColumns.h"

#include "common/AppState.h"

#include <cmath>

namespace valtrane::app {

namespace {

std::optional<double> factor(GridColumns::Grid grid, int deviceCode)
{
    const bool data = grid == GridColumns::Grid::Data;
    switch (deviceCode) {
    case LD4800:
        return data ? 2.0 : 2.22;
    case NG7700A:
        return data ? 3.0 : 3.12;
    case NG7700B:
        return data ? 4.25 : 4.35;
    case SG2150:
        return data ? 3.79 : 4.0;
    default:
        return std::nullopt;
    }
}

} // namespace

const QStringList &GridColumns::headerFields()
{
    static const QStringList fields{
        QStringLiteral("ID"),      QStringLiteral("SERNUM"),  QStringLiteral("CDATE"),      QStringLiteral("DATE"),
        QStringLiteral("DSTD"),    QStringLiteral("MSTD"),    QStringLiteral("KVAL"),       QStringLiteral("SPG"),
        QStringLiteral("MAXD"),    QStringLiteral("LOWD"),    QStringLiteral("CH1NAME"),    QStringLiteral("CH2NAME"),
        QStringLiteral("CH3NAME"), QStringLiteral("CH4NAME"), QStringLiteral("RUN_NUMBER"), QStringLiteral("MEASURE"),
        QStringLiteral("CALFACTOR"), QStringLiteral("TIME")};
    return fields;
}

bool GridColumns::isHeaderField(QStringView fieldName)
{
    return headerFields().contains(fieldName, Qt::CaseInsensitive);
}

bool GridColumns::isShown(Grid grid, QStringView fieldName)
{
    return isHeaderField(fieldName) == (grid == Grid::Information);
}

QString GridColumns::editableField(Grid grid, int deviceCode)
{
    // Only the NG7700B tables carry the fields a new maximum density recomputes compaction from,
    // so the NG7700A information grid is read-only.
    if (grid == Grid::Information && deviceCode == NG7700B)
        return QStringLiteral("MAXD");
    return QString();
}

std::optional<int> GridColumns::columnWidth(Grid grid, int deviceCode, int gridWidth, int columnCount)
{
    const std::optional<double> f = factor(grid, deviceCode);
    if (!f || columnCount < 2)
        return std::nullopt;
    return int(std::lround(gridWidth * *f / (columnCount - 1)));
}

} // namespace valtrane::app
