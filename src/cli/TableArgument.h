#pragma once

#include <QString>
#include <optional>

namespace valtrane::db {
class Database;
}

namespace valtrane::cli {

struct CliContext;

// A table as a person names it on the command line: the way `tables` lists it (a nuclear project
// by its identifier "12.4"), the way the project tree shows it ("RUN21+"), or by the name it is
// stored under ("P124"); in any case. Every command that takes a table resolves it here.
struct TableArgument {
    QString stored;   // the database's table: "P124"
    QString listed;   // the registry's entry: "12.4"

    // Without a match the command fails, naming the tables there are, and nothing comes back.
    static std::optional<TableArgument> resolve(CliContext &context, const db::Database &database, const QString &typed,
                                                int &exitCode);
};

} // namespace valtrane::cli
