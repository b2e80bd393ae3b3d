#pragma once

#include "common/AppPaths.h"
#include "support/TableRows.h"

#include <QString>
#include <map>
#include <string>
#include <vector>

namespace valtrane::test {

// Every table of the project database with every row, in stored order, to compare two databases:
// single values compare as 32-bit floats, everything else by type and value.
struct ProjectSnapshot {
    // By table name in upper case.
    std::map<QString, std::vector<Row>> tables;

    static ProjectSnapshot of(const AppPaths &paths);
    // Empty when both hold the same tables, rows and values; else the first difference.
    static std::string difference(const ProjectSnapshot &a, const ProjectSnapshot &b);
};

} // namespace valtrane::test
