#pragma once

#include "common/AppPaths.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace valtrane::test {

// A table's name and kind as AddTable takes them (SameTable: more records for an earlier entry's
// table), the fields to fill and the texts of each record in field order ("~": null).
constexpr int SameTable = -1;

struct TableContent {
    QString name;
    int kind = 0;
    QStringList fields;
    std::vector<QStringList> records;
};

// Creates the tables (and the database when there is none) and fills them; failures fail the test.
void addTables(const AppPaths &paths, const std::vector<TableContent> &tables);

// The text written for the tables of list (names each followed by a blank); failures fail the test.
QByteArray writtenText(const AppPaths &paths, int deviceCode, const QString &list);

// The projects of tests/data/writeout/<model>.txt by DeviceCode, and the table list naming them.
std::vector<TableContent> sampleProject(int deviceCode);
QString sampleTableList(int deviceCode);

} // namespace valtrane::test
