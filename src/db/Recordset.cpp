#include "db/Recordset.h"

#include "db/Database.h"
#include "db/FieldValue.h"

#include <QSqlError>
#include <QSqlQuery>

namespace valtrane::db {

namespace {

// The driver binds a float as its text, which SQLite then parses back into the same double; binding
// the double stores the same value without the round trip.
QVariant bindable(const QVariant &value)
{
    return value.typeId() == QMetaType::Float ? QVariant(double(value.toFloat())) : value;
}

} // namespace

Recordset::Recordset(Database &db, TableSchema schema, std::vector<Condition> conditions)
    : m_db(&db)
    , m_schema(std::move(schema))
    , m_conditions(std::move(conditions))
{
    m_db->registerRecordset(this);
}

Recordset::~Recordset()
{
    close();
}

void Recordset::close()
{
    if (!m_db)
        return;
    m_db->unregisterRecordset(this);
    m_db = nullptr;
    m_rows.clear();
    m_loaded = false;
    m_mode = EditMode::None;
}

QStringList Recordset::fieldNames() const
{
    QStringList names;
    for (const FieldDef &f : m_schema.fields)
        names.append(f.name);
    return names;
}

bool Recordset::load()
{
    if (!m_db)
        return false;
    QStringList names;
    for (const FieldDef &f : m_schema.fields)
        names.append(quoteIdentifier(f.name));
    QString sql = QStringLiteral("SELECT ") + names.join(QLatin1Char(',')) + QStringLiteral(" FROM ") + quoteIdentifier(m_schema.name);
    for (size_t i = 0; i < m_conditions.size(); ++i) {
        const Condition &c = m_conditions[i];
        sql += (i == 0 ? QStringLiteral(" WHERE ") : QStringLiteral(" AND ")) + quoteIdentifier(c.field) + QLatin1Char(' ') + c.op
               + QStringLiteral(" ?");
        // Text compares without regard to case, as the program's conditions expect ('S' finds "s").
        const int field = m_schema.fieldIndex(c.field);
        if (field >= 0 && m_schema.fields[size_t(field)].type == FieldType::Text)
            sql += QStringLiteral(" COLLATE NOCASE");
    }
    if (m_schema.primaryKey >= 0)
        sql += QStringLiteral(" ORDER BY ") + quoteIdentifier(m_schema.fields[size_t(m_schema.primaryKey)].name);

    QSqlQuery q(m_db->connection());
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        return false;
    for (const Condition &c : m_conditions)
        q.addBindValue(c.value);
    if (!q.exec())
        return false;
    m_rows.clear();
    const int n = int(m_schema.fields.size());
    while (q.next()) {
        std::vector<QVariant> row(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i)
            row[size_t(i)] = fromStoredValue(m_schema.fields[size_t(i)], q.value(i));
        m_rows.push_back(std::move(row));
    }
    m_loaded = true;
    m_stale = false;
    return true;
}

bool Recordset::ensureLoaded()
{
    if (m_loaded && !m_stale)
        return true;
    const bool first = !m_loaded;
    const int keep = m_position;
    if (!load())
        return false;
    m_position = first ? 0 : std::min(keep, int(m_rows.size()));
    return true;
}

bool Recordset::requery()
{
    if (!load())
        return false;
    m_position = 0;
    m_mode = EditMode::None;
    return true;
}

bool Recordset::addNew()
{
    if (!m_db)
        return false;
    m_mode = EditMode::Adding;
    const size_t n = m_schema.fields.size();
    if (m_buffer.size() != n) {
        m_buffer.assign(n, QVariant());
        m_changed.assign(n, false);
    } else {
        for (size_t i = 0; i < n; ++i) {
            if (m_changed[i] || !m_buffer[i].isNull()) {
                m_buffer[i] = QVariant();
                m_changed[i] = false;
            }
        }
    }
    return true;
}

bool Recordset::edit()
{
    if (!m_db || !ensureLoaded() || m_position < 0 || m_position >= int(m_rows.size()))
        return false;
    m_mode = EditMode::Editing;
    m_buffer = m_rows[size_t(m_position)];
    m_changed.assign(m_schema.fields.size(), false);
    return true;
}

bool Recordset::setField(QStringView name, const QVariant &value)
{
    if (!m_db)
        return false;
    const int i = m_schema.fieldIndex(name);
    if (i < 0)
        return false;
    const auto converted = toFieldValue(m_schema.fields[size_t(i)], value);
    if (!converted)
        return false;
    if (m_mode == EditMode::None && !edit())
        return false;
    m_buffer[size_t(i)] = *converted;
    m_changed[size_t(i)] = true;
    return true;
}

void Recordset::cancelUpdate()
{
    m_mode = EditMode::None;
}

bool Recordset::update()
{
    if (!m_db)
        return false;
    bool ok = false;
    if (m_mode == EditMode::Adding)
        ok = insertBuffer();
    else if (m_mode == EditMode::Editing)
        ok = updateCurrent();
    if (ok)
        m_mode = EditMode::None;
    return ok;
}

bool Recordset::insertBuffer()
{
    // Only the fields given a value are written; the others are null, as a new row's fields are.
    if (m_buffer.size() > 64) {
        m_db->m_lastError = QStringLiteral("a table of more than 64 fields takes no new rows");
        return false;
    }
    quint64 fields = 0;
    for (size_t i = 0; i < m_buffer.size(); ++i) {
        if (!m_buffer[i].isNull())
            fields |= quint64(1) << i;
    }
    QSqlQuery *q = m_db->insertStatement(m_schema, fields);
    if (!q)
        return false;
    m_db->beginIfNeeded();
    int position = 0;
    for (size_t i = 0; i < m_buffer.size(); ++i) {
        if (fields & (quint64(1) << i))
            q->bindValue(position++, bindable(m_buffer[i]));
    }
    if (!q->exec()) {
        m_db->noteFailure(q->lastError());
        return false;
    }
    if (m_loaded)
        m_stale = true;
    m_db->noteWrite();
    return true;
}

bool Recordset::updateCurrent()
{
    if (m_position < 0 || m_position >= int(m_rows.size()))
        return false;
    QStringList sets;
    std::vector<QVariant> values;
    for (int i = 0; i < int(m_buffer.size()); ++i) {
        if (m_changed[size_t(i)]) {
            sets.append(quoteIdentifier(m_schema.fields[size_t(i)].name) + QStringLiteral(" = ?"));
            values.push_back(bindable(m_buffer[size_t(i)]));
        }
    }
    std::vector<QVariant> &row = m_rows[size_t(m_position)];
    if (sets.isEmpty())
        return true;
    QString sql = QStringLiteral("UPDATE ") + quoteIdentifier(m_schema.name) + QStringLiteral(" SET ") + sets.join(QStringLiteral(", "));
    if (m_schema.primaryKey >= 0) {
        sql += QStringLiteral(" WHERE ") + quoteIdentifier(m_schema.fields[size_t(m_schema.primaryKey)].name) + QStringLiteral(" = ?");
        values.push_back(row[size_t(m_schema.primaryKey)]);
    } else {
        // Without a key the row is found by all its old values.
        QStringList match;
        for (int i = 0; i < int(row.size()); ++i) {
            const QString f = quoteIdentifier(m_schema.fields[size_t(i)].name);
            match.append(row[size_t(i)].isNull() ? f + QStringLiteral(" IS NULL") : f + QStringLiteral(" = ?"));
            if (!row[size_t(i)].isNull())
                values.push_back(row[size_t(i)]);
        }
        sql += QStringLiteral(" WHERE rowid = (SELECT rowid FROM ") + quoteIdentifier(m_schema.name) + QStringLiteral(" WHERE ")
               + match.join(QStringLiteral(" AND ")) + QStringLiteral(" LIMIT 1)");
    }
    m_db->beginIfNeeded();
    QSqlQuery q(m_db->connection());
    if (!q.prepare(sql))
        return false;
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec()) {
        m_db->noteFailure(q.lastError());
        return false;
    }
    row = m_buffer;
    m_db->noteWrite();
    return true;
}

QVariant Recordset::field(int index, bool *ok)
{
    if (ok)
        *ok = false;
    if (!m_db || index < 0 || index >= int(m_schema.fields.size()))
        return QVariant();
    if (m_mode != EditMode::None) {
        if (ok)
            *ok = true;
        return m_buffer[size_t(index)];
    }
    if (!ensureLoaded() || m_position < 0 || m_position >= int(m_rows.size()))
        return QVariant();
    if (ok)
        *ok = true;
    return m_rows[size_t(m_position)][size_t(index)];
}

QVariant Recordset::field(QStringView name, bool *ok)
{
    return field(m_schema.fieldIndex(name), ok);
}

bool Recordset::moveFirst()
{
    if (!m_db || !ensureLoaded())
        return false;
    m_mode = EditMode::None;
    m_position = 0;
    return !m_rows.empty();
}

bool Recordset::moveLast()
{
    if (!m_db || !ensureLoaded())
        return false;
    m_mode = EditMode::None;
    m_position = m_rows.empty() ? 0 : int(m_rows.size()) - 1;
    return !m_rows.empty();
}

bool Recordset::moveNext()
{
    if (!m_db || !ensureLoaded() || m_position >= int(m_rows.size()))
        return false;
    m_mode = EditMode::None;
    ++m_position;
    return true;
}

bool Recordset::movePrevious()
{
    if (!m_db || !ensureLoaded() || m_position < 0)
        return false;
    m_mode = EditMode::None;
    --m_position;
    return true;
}

bool Recordset::isEOF()
{
    if (!m_db || !ensureLoaded())
        return true;
    return m_position >= int(m_rows.size());
}

bool Recordset::isBOF()
{
    if (!m_db || !ensureLoaded())
        return true;
    return m_position < 0 || m_rows.empty();
}

int Recordset::recordCount()
{
    if (!m_db || !ensureLoaded())
        return 0;
    return int(m_rows.size());
}

} // namespace valtrane::db
