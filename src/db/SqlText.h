#pragma once

#include <QString>
#include <QVariant>
#include <optional>
#include <vector>

namespace valtrane::db {

// One comparison of a WHERE clause: field, operator (=, <>, <, >, <=, >=) and a number or a
// quoted text.
struct Condition {
    QString field;
    QString op;
    QVariant value;
};

// The SQL texts the program sends: "SELECT * FROM <table>" with keywords in any case, optionally
// followed by " WHERE " and comparisons joined by AND, such as "SA = 'S' AND RDNUM > 0". The text
// is read into parts so that the table and field names are quoted and the values bound when the
// query runs: a table name from a gauge stream can never become SQL.
struct TableQuery {
    QString table;
    std::vector<Condition> conditions;

    static std::optional<TableQuery> parse(const QString &sqlText);
};

} // namespace valtrane::db
