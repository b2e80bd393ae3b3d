#include "support/DatabaseRows.h"

#include "db/FieldValue.h"
#include "support/TableRows.h"

namespace valtrane::test {

QStringList databaseRows(const AppPaths &paths)
{
    QStringList rows;
    QStringList tables = tableNames(paths);
    tables.sort();
    for (const QString &table : tables) {
        for (const Row &row : tableRows(paths, table)) {
            QStringList fields{table};
            for (const auto &[name, value] : row)
                fields.append(name + QLatin1Char('=') + db::fieldText(value));
            rows.append(fields.join(QLatin1Char('|')));
        }
    }
    return rows;
}

} // namespace valtrane::test
