#pragma once

#include "common/AppPaths.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace valtrane::test {

using Row = std::map<QString, QVariant>;

// The rows of a table in key order through a connection of their own; none without the table.
std::vector<Row> tableRows(const AppPaths &paths, const QString &table);
QStringList tableNames(const AppPaths &paths);

// The row's field values in order: a Single compares as the nearest float, a Double and a Long by
// value, a text as it is; an empty text stands for a null field. Failures name the field.
::testing::AssertionResult rowHolds(const Row &row, const QStringList &fields, const QStringList &texts);

} // namespace valtrane::test
