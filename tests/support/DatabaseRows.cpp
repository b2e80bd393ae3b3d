#include "support/DatabaseRows.h"

#include "db/Database.h"
#include "db/FieldValue.h"
#include "db/Recordset.h"

namespace valtrane::test {

QStringList databaseRows(const AppPaths &paths)
{
    QStringList rows;
    db::Database database;
    if (!database.open(paths.database()))
        return rows;
    QStringList tables = database.tableNames();
    tables.sort();
    for (const QString &table : tables) {
        auto rs = database.openRecordset(QStringLiteral("SELECT * FROM ") + table);
        if (!rs)
            continue;
        const int columns = int(rs->schema().fields.size());
        for (rs->moveFirst(); !rs->isEOF(); rs->moveNext()) {
            QStringList row{table};
            for (int i = 0; i < columns; ++i)
                row.append(db::fieldText(rs->field(i)));
            rows.append(row.join(QLatin1Char('|')));
        }
    }
    return rows;
}

} // namespace valtrane::test
