#include "support/TableRows.h"

#include "common/VbConvert.h"
#include "db/Database.h"
#include "db/FieldValue.h"
#include "db/Recordset.h"

namespace valtrane::test {

std::vector<Row> tableRows(const AppPaths &paths, const QString &table)
{
    std::vector<Row> rows;
    db::Database database;
    if (!database.open(paths.database()))
        return rows;
    auto rs = database.openRecordset(QStringLiteral("SELECT * FROM ") + table);
    if (!rs)
        return rows;
    const QStringList names = rs->fieldNames();
    for (rs->moveFirst(); !rs->isEOF(); rs->moveNext()) {
        Row row;
        for (int i = 0; i < names.size(); ++i)
            row[names[i].toUpper()] = rs->field(i);
        rows.push_back(row);
    }
    return rows;
}

QStringList tableNames(const AppPaths &paths)
{
    db::Database database;
    return database.open(paths.database()) ? database.tableNames() : QStringList();
}

static bool storedAs(const QVariant &stored, const QString &text)
{
    if (text.isEmpty())
        return stored.isNull();
    if (stored.isNull())
        return false;
    switch (stored.typeId()) {
    case QMetaType::Float: return vb::toSingle(text) == stored.toFloat();
    case QMetaType::Double: return vb::toDouble(text) == stored.toDouble();
    case QMetaType::Int: return vb::toLong(text) == stored.toInt();
    default: return stored.toString() == text;
    }
}

::testing::AssertionResult rowHolds(const Row &row, const QStringList &fields, const QStringList &texts)
{
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const auto found = row.find(fields[i].toUpper());
        const QVariant stored = found == row.end() ? QVariant() : found->second;
        const QString expected = texts.value(i);
        if (found == row.end() || !storedAs(stored, expected)) {
            return ::testing::AssertionFailure() << fields[i].toStdString() << " is \"" << db::fieldText(stored).toStdString()
                                                 << "\", expected \"" << expected.toStdString() << "\"";
        }
    }
    return ::testing::AssertionSuccess();
}

} // namespace valtrane::test
