#pragma once

#include "common/AppPaths.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace valtrane::test {

// Records of a gauge table to put into a project database: the table's name and kind as AddTable
// takes them (SameTable: records for a table made by an earlier entry), the fields to fill and one
// list of texts per record, in field order. "~" leaves a field empty (null).
constexpr int SameTable = -1;

struct TableContent {
    QString name;
    int kind = 0;
    QStringList fields;
    std::vector<QStringList> records;
};

// Creates the tables in info/MIRVAT.vkd (creating the file when there is none) and fills them.
// A value that does not go in fails the running test.
void addTables(const AppPaths &paths, const std::vector<TableContent> &tables);

// The text written for the tables of list (names each followed by a blank) of the database, for the
// gauge model; a failed write fails the running test.
QByteArray writtenText(const AppPaths &paths, int deviceCode, const QString &list);

// The small projects written to the hand-laid-out files tests/data/writeout/<model>.txt, by gauge
// model (DeviceCode numbering), and the table list that names them.
std::vector<TableContent> sampleProject(int deviceCode);
QString sampleTableList(int deviceCode);

} // namespace valtrane::test
