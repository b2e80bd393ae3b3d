#include "export/RecordFields.h"

#include "common/TextFunctions.h"
#include "db/FieldValue.h"
#include "db/Recordset.h"

namespace valtrane::exporting {

RecordFields::RecordFields(db::Recordset &records, std::initializer_list<QStringView> names)
    : m_records(records)
{
    for (QStringView name : names)
        find(name);
}

RecordFields::RecordFields(db::Recordset &records, const std::vector<LayoutField> &layout)
    : m_records(records)
{
    for (const LayoutField &f : layout)
        find(f.name);
}

void RecordFields::find(QStringView name)
{
    const int index = m_records.schema().fieldIndex(name);
    if (index < 0 && m_missing.isEmpty())
        m_missing = name.toString();
    m_indices.push_back(index);
}

bool RecordFields::found(QString &error) const
{
    if (m_missing.isEmpty())
        return true;
    error = QStringLiteral("table %1 has no field %2").arg(m_records.tableName(), m_missing);
    return false;
}

QVariant RecordFields::value(int i) const
{
    return m_records.field(m_indices[size_t(i)]);
}

QString RecordFields::text(int i) const
{
    return db::fieldText(value(i));
}

QString RecordFields::aligned(int i, int width) const
{
    return RightAlign(text(i), width);
}

} // namespace valtrane::exporting
