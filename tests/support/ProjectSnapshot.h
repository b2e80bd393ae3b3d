#pragma once

#include "common/AppPaths.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <map>
#include <string>
#include <vector>

namespace valtrane::test {

// Every table of the project database with every value of every row, in stored order, to compare
// two databases: single values compare as 32-bit floats, everything else by type and value.
struct ProjectSnapshot {
    struct Table {
        QStringList fields;
        std::vector<std::vector<QVariant>> rows;

        // The named field of row r (counted from 0); invalid when there is no such field or row.
        QVariant value(size_t r, const QString &field) const;
    };
    // By table name in upper case.
    std::map<QString, Table> tables;

    static ProjectSnapshot of(const AppPaths &paths);
    // Empty when both hold the same tables, rows and values; else the first difference.
    static std::string difference(const ProjectSnapshot &a, const ProjectSnapshot &b);
};

} // namespace valtrane::test
