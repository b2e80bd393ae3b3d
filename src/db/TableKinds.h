#pragma once

#include "db/TableSchema.h"

namespace valtrane::db {

// Table kinds as AddTable numbers them.
enum TableKind : int { LoggerTestTable = 0, Ng7700aProjectTable = 1, Ng7700bProjectTable = 2, StiffnessRunTable = 4 };

// Length of a text field created without a size: long enough for any token the gauges send.
constexpr int DefaultTextSize = 255;

// The fields of a table of the given kind in creation order, with its primary index. An unknown
// kind gives a schema without fields.
TableSchema tableDefinition(int kind, const QString &tableName);

} // namespace valtrane::db
