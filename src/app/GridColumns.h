#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace valtrane::app {

// Which columns each grid shows, which one can be edited, and how wide they are. The information
// grid shows a table's header fields, the data grid everything else.
class GridColumns {
public:
    enum class Grid { Data, Information };

    static const QStringList &headerFields();
    static bool isHeaderField(QStringView fieldName);
    static bool isShown(Grid grid, QStringView fieldName);
    // The one field a grid lets the user edit for the model, or an empty text.
    static QString editableField(Grid grid, int deviceCode);

    // Every column, hidden ones included, is gridWidth x factor / (columnCount - 1) wide, with the
    // factor by model; nullopt for an unknown model or fewer than two columns.
    static std::optional<int> columnWidth(Grid grid, int deviceCode, int gridWidth, int columnCount);
};

} // namespace valtrane::app
