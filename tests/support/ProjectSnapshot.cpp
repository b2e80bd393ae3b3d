#include "support/ProjectSnapshot.h"

#include "db/Database.h"
#include "db/FieldValue.h"
#include "db/Recordset.h"

namespace valtrane::test {

ProjectSnapshot ProjectSnapshot::of(const AppPaths &paths)
{
    ProjectSnapshot snapshot;
    db::Database database;
    if (!database.open(paths.database()))
        return snapshot;
    for (const QString &table : database.tableNames()) {
        auto rs = database.openRecordset(QStringLiteral("SELECT * FROM ") + table);
        Table &t = snapshot.tables[table.toUpper()];
        if (rs)
            t.fields = rs->fieldNames();
        const int fields = int(t.fields.size());
        for (bool more = rs && rs->moveFirst(); more && !rs->isEOF(); rs->moveNext()) {
            std::vector<QVariant> row;
            for (int i = 0; i < fields; ++i)
                row.push_back(rs->field(i));
            t.rows.push_back(std::move(row));
        }
    }
    return snapshot;
}

QVariant ProjectSnapshot::Table::value(size_t r, const QString &field) const
{
    for (qsizetype f = 0; f < fields.size() && r < rows.size(); ++f) {
        if (fields[f].compare(field, Qt::CaseInsensitive) == 0)
            return rows[r][size_t(f)];
    }
    return QVariant();
}

namespace {

bool same(const QVariant &a, const QVariant &b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull();
    if (a.typeId() == QMetaType::Float && b.typeId() == QMetaType::Float)
        return a.toFloat() == b.toFloat();
    return a.typeId() == b.typeId() && a == b;
}

std::string shown(const QVariant &v)
{
    return v.isNull() ? std::string("(null)") : ("\"" + db::fieldText(v).toStdString() + "\"");
}

} // namespace

std::string ProjectSnapshot::difference(const ProjectSnapshot &a, const ProjectSnapshot &b)
{
    std::string tablesA;
    std::string tablesB;
    for (const auto &t : a.tables)
        tablesA += t.first.toStdString() + " ";
    for (const auto &t : b.tables)
        tablesB += t.first.toStdString() + " ";
    if (tablesA != tablesB)
        return "tables [" + tablesA + "] and [" + tablesB + "]";
    for (const auto &[name, tableA] : a.tables) {
        const auto &rowsA = tableA.rows;
        const auto &rowsB = b.tables.at(name).rows;
        if (rowsA.size() != rowsB.size())
            return name.toStdString() + ": " + std::to_string(rowsA.size()) + " and " + std::to_string(rowsB.size()) + " rows";
        for (size_t r = 0; r < rowsA.size(); ++r) {
            for (size_t f = 0; f < rowsA[r].size() && f < rowsB[r].size(); ++f) {
                if (!same(rowsA[r][f], rowsB[r][f]))
                    return name.toStdString() + " row " + std::to_string(r + 1) + " field " + std::to_string(f + 1) + ": "
                           + shown(rowsA[r][f]) + " and " + shown(rowsB[r][f]);
            }
        }
    }
    return std::string();
}

} // namespace valtrane::test
