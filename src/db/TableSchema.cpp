#include "db/TableSchema.h"

namespace valtrane::db {

QString FieldDef::declaredType() const
{
    switch (type) {
    case FieldType::Long: return QStringLiteral("INTEGER");
    case FieldType::Single: return QStringLiteral("FLOAT");
    case FieldType::Double: return QStringLiteral("DOUBLE");
    case FieldType::Text: return QStringLiteral("TEXT(%1)").arg(size);
    }
    return QStringLiteral("TEXT");
}

int TableSchema::fieldIndex(QStringView fieldName) const
{
    // Callers mostly spell names as the table does: that match is the cheap one.
    for (int i = 0; i < int(fields.size()); ++i) {
        if (fields[size_t(i)].name == fieldName)
            return i;
    }
    for (int i = 0; i < int(fields.size()); ++i) {
        const QString &n = fields[size_t(i)].name;
        if (n.size() == fieldName.size() && QStringView(n).compare(fieldName, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

FieldDef fieldFromDeclaredType(const QString &name, const QString &declaredType)
{
    const QString t = declaredType.trimmed().toUpper();
    if (t == QLatin1String("INTEGER"))
        return {name, FieldType::Long, 0};
    if (t == QLatin1String("FLOAT"))
        return {name, FieldType::Single, 0};
    if (t == QLatin1String("DOUBLE"))
        return {name, FieldType::Double, 0};
    if (t.startsWith(QLatin1String("TEXT(")) && t.endsWith(QLatin1Char(')'))) {
        bool ok = false;
        const int size = t.mid(5, t.size() - 6).toInt(&ok);
        if (ok && size > 0)
            return {name, FieldType::Text, size};
    }
    return {name, FieldType::Text, 0};
}

QString quoteIdentifier(const QString &name)
{
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace valtrane::db
