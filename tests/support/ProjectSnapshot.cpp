#include "support/ProjectSnapshot.h"

#include "db/FieldValue.h"

namespace valtrane::test {

ProjectSnapshot ProjectSnapshot::of(const AppPaths &paths)
{
    ProjectSnapshot snapshot;
    for (const QString &table : tableNames(paths))
        snapshot.tables[table.toUpper()] = tableRows(paths, table);
    return snapshot;
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

std::string names(const ProjectSnapshot &s)
{
    std::string text;
    for (const auto &t : s.tables)
        text += t.first.toStdString() + " ";
    return text;
}

} // namespace

std::string ProjectSnapshot::difference(const ProjectSnapshot &a, const ProjectSnapshot &b)
{
    if (names(a) != names(b))
        return "tables [" + names(a) + "] and [" + names(b) + "]";
    for (const auto &[name, rowsA] : a.tables) {
        const auto &rowsB = b.tables.at(name);
        if (rowsA.size() != rowsB.size())
            return name.toStdString() + ": " + std::to_string(rowsA.size()) + " and " + std::to_string(rowsB.size()) + " rows";
        for (size_t r = 0; r < rowsA.size(); ++r) {
            for (const auto &[field, value] : rowsA[r]) {
                const auto other = rowsB[r].find(field);
                const QVariant valueB = other == rowsB[r].end() ? QVariant() : other->second;
                if (!same(value, valueB))
                    return name.toStdString() + " row " + std::to_string(r + 1) + " " + field.toStdString() + ": " + shown(value) + " and "
                           + shown(valueB);
            }
        }
    }
    return std::string();
}

} // namespace valtrane::test
