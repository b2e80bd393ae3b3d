#pragma once

#include "common/AppPaths.h"
#include "common/AppState.h"

#include <QString>
#include <QStringList>
#include <cstdint>

namespace valtrane::db {

// The table registry info/DBTbles.vkt: line 1 the gauge model code (DeviceCode), line 2 the table
// list between double quotes, each line ended by CR LF.
//
// Mode 0 reads: returns the list with every double quote removed and sets DeviceCode from line 1
// (an empty or non-numeric line 1 leaves it as it was). Mode 1 writes DeviceCode and list and
// returns an empty text. Errors are ignored: a missing file reads as an empty list.
QString Table_Registry(const AppPaths &paths, AppState &state, int mode, const QString &list = QString());

// The two lines of a registry naming list for the gauge model deviceCode.
QStringList registryLines(std::int32_t deviceCode, const QString &list);

} // namespace valtrane::db
