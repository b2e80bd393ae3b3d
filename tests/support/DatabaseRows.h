#pragma once

#include "common/AppPaths.h"

#include <QStringList>

namespace valtrane::test {

// Every row of every table of a program folder's database as one line of text
// ("TABLE|FIELD=value|..."), tables in name order and rows in key order: two downloads gave the
// same data when these match.
QStringList databaseRows(const AppPaths &paths);

} // namespace valtrane::test
