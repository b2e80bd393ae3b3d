#pragma once

#include <QString>
#include <vector>

namespace valtrane::db {

// The field types of the gauge tables. In the database file they are declared INTEGER (Long,
// 32-bit), FLOAT (Single, held as its 32-bit value), DOUBLE and TEXT(n).
enum class FieldType { Long, Single, Double, Text };

struct FieldDef {
    QString name;
    FieldType type = FieldType::Text;
    int size = 0;  // Text only: the most characters the field takes

    QString declaredType() const;
};

// A table as the database layer sees it: fields in creation order, and the one primary-key field
// that orders its rows.
struct TableSchema {
    QString name;
    std::vector<FieldDef> fields;
    QString indexName;     // name of the primary index
    int primaryKey = -1;   // index into fields, -1 when the table has none

    // Index of the field whose name matches without regard to case, or -1.
    int fieldIndex(QStringView fieldName) const;
};

// Declared type text back to a field: "INTEGER" Long, "FLOAT" Single, "DOUBLE" Double,
// "TEXT(n)" Text of n characters; anything else is text without a limit.
FieldDef fieldFromDeclaredType(const QString &name, const QString &declaredType);

// "name" with inner double quotes doubled: safe for any name a stream can deliver.
QString quoteIdentifier(const QString &name);

} // namespace valtrane::db
