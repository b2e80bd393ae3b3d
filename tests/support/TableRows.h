#pragma once

#include "common/AppPaths.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace valtrane::test {

// A stored row by field name (upper case).
using Row = std::map<QString, QVariant>;

// The rows of a table in key order, read through a connection of their own; empty when there is no
// such table.
std::vector<Row> tableRows(const AppPaths &paths, const QString &table);
QStringList tableNames(const AppPaths &paths);

// True when the stored value is the value the text gives for its field's type: a Single compares
// as the nearest float, a Double and a Long by value, a text as it is. An empty text stands for a
// null field.
bool storedAs(const QVariant &stored, const QString &text);

// The row's field values in order, each checked with storedAs; failures name the field.
::testing::AssertionResult rowHolds(const Row &row, const QStringList &fields, const QStringList &texts);

} // namespace valtrane::test
