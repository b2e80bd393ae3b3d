#pragma once

#include "common/AppPaths.h"
#include "support/TableRows.h"

#include <QString>
#include <map>
#include <string>
#include <vector>

namespace valtrane::test {

// Every row of every table in stored order; singles compare as floats, the rest by type and value.
struct ProjectSnapshot {
    std::map<QString, std::vector<Row>> tables;  // by table name in upper case

    static ProjectSnapshot of(const AppPaths &paths);
    // Empty when both hold the same tables, rows and values; else the first difference.
    static std::string difference(const ProjectSnapshot &a, const ProjectSnapshot &b);
};

} // namespace valtrane::test
