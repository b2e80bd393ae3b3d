#include "db/Database.h"

#include "db/DatabaseLock.h"
#include "db/Recordset.h"
#include "db/SqlText.h"

#include <QAtomicInt>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>

namespace valtrane::db {

namespace {

constexpr qint64 CommitIntervalMs = 250;

QString nextConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("valtrane-db-%1").arg(counter.fetchAndAddRelaxed(1));
}

QString tableKey(const QString &name)
{
    return name.toUpper();
}

} // namespace

Database::Database()
    : m_connectionName(nextConnectionName())
{
}

Database::~Database()
{
    close();
}

bool Database::createFile(const QString &path)
{
    if (QFileInfo::exists(path))
        return false;
    const QString name = nextConnectionName();
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery q(db);
            // Writes the file header, so the file exists and is a database from here on.
            ok = q.exec(QStringLiteral("PRAGMA journal_mode=WAL")) && q.exec(QStringLiteral("PRAGMA user_version=1"));
            q.finish();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

bool Database::removeFile(const QString &path)
{
    // A database in use is not deleted: its holder would go on writing into a file that is gone.
    if (DatabaseLock::isLocked(DatabaseLock::lockPathFor(path)))
        return false;
    // The side files may hold the last committed rows, so they go only once the file itself has.
    const QFileInfo info(path);
    if ((info.exists() || info.isSymLink()) && !QFile::remove(path))
        return false;
    for (const char *suffix : {"-wal", "-shm", "-journal"}) {
        const QString side = path + QLatin1String(suffix);
        if (QFileInfo::exists(side))
            QFile::remove(side);
    }
    return true;
}

bool Database::connect(const QString &databaseName, const QString &options)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    db.setDatabaseName(databaseName);
    db.setConnectOptions(options);
    bool ok = db.open();
    if (ok) {
        QSqlQuery q(db);
        // A file that is not a database fails here rather than at the first read.
        ok = q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"));
        m_lastError = ok ? QString() : q.lastError().text();
        q.finish();
        if (!ok)
            db.close();
    } else {
        m_lastError = db.lastError().text();
    }
    if (!ok) {
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connectionName);
    }
    return ok;
}

bool Database::open(const QString &path, Access access)
{
    close();
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile()) {
        m_lastError = QStringLiteral("no database file at %1").arg(path);
        return false;
    }
    m_path = info.absoluteFilePath();
    m_writeFailed = false;
    m_lockPath = DatabaseLock::lockPathFor(m_path);
    const bool readOnly = access == Access::ReadOnly;
    bool ok = connect(m_path, readOnly ? QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=2000")
                                       : QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    // On a medium that cannot be written SQLite finds no room for its shared-memory file; nobody
    // can change the file there either, so it is read as it stands.
    if (!ok && readOnly)
        ok = connect(QUrl::fromLocalFile(m_path).toString() + QStringLiteral("?immutable=1"),
                     QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI"));
    if (!ok)
        return false;
    if (!readOnly) {
        QSqlQuery q(QSqlDatabase::database(m_connectionName, false));
        q.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        q.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    }
    DatabaseLock::acquire(m_lockPath);
    m_open = true;
    m_sinceCommit.start();
    return true;
}

void Database::close()
{
    if (!m_open)
        return;
    const std::vector<Recordset *> open = m_recordsets;
    for (Recordset *r : open)
        r->close();
    m_recordsets.clear();
    commit();
    m_inserts.clear();
    m_schemas.clear();
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
    DatabaseLock::release(m_lockPath);
    m_open = false;
}

QSqlDatabase Database::connection() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

bool Database::exec(const QString &sql)
{
    QSqlQuery q(connection());
    if (!q.exec(sql)) {
        m_lastError = q.lastError().text();
        return false;
    }
    return true;
}

void Database::beginIfNeeded()
{
    if (!m_inTransaction && m_open) {
        m_inTransaction = connection().transaction();
        if (m_inTransaction)
            m_sinceCommit.restart();
    }
}

void Database::noteWrite()
{
    if (m_inTransaction && m_sinceCommit.elapsed() >= CommitIntervalMs)
        commit();
}

bool Database::commit()
{
    if (!m_inTransaction)
        return true;
    m_inTransaction = false;
    m_sinceCommit.restart();
    QSqlDatabase db = connection();
    if (!db.commit()) {
        m_lastError = db.lastError().text();
        m_writeFailed = true;
        db.rollback();
        return false;
    }
    return true;
}

void Database::noteFailure(const QSqlError &error)
{
    m_lastError = error.text();
    // SQLite's primary codes 10 (disk I/O error) and 13 (database or disk full), with their
    // extended codes in the higher bits.
    const int primary = error.nativeErrorCode().toInt() & 0xff;
    if (primary == 10 || primary == 13)
        m_writeFailed = true;
}

QStringList Database::tableNames() const
{
    QStringList names;
    if (!m_open)
        return names;
    QSqlQuery q(connection());
    q.setForwardOnly(true);
    if (q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY rowid"))) {
        while (q.next())
            names.append(q.value(0).toString());
    }
    return names;
}

qint64 Database::rowCount(const QString &table) const
{
    if (!hasTable(table))
        return 0;
    QSqlQuery q(connection());
    if (!q.exec(QStringLiteral("SELECT count(*) FROM ") + quoteIdentifier(table)) || !q.next())
        return 0;
    return q.value(0).toLongLong();
}

bool Database::hasTable(const QString &name) const
{
    if (!m_open)
        return false;
    QSqlQuery q(connection());
    q.prepare(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE"));
    q.addBindValue(name);
    return q.exec() && q.next();
}

bool Database::createTable(const TableSchema &schema)
{
    if (!m_open || schema.name.isEmpty() || schema.fields.empty()) {
        m_lastError = QStringLiteral("cannot create table %1").arg(schema.name);
        return false;
    }
    QStringList columns;
    for (const FieldDef &f : schema.fields)
        columns.append(quoteIdentifier(f.name) + QLatin1Char(' ') + f.declaredType());
    QString sql = QStringLiteral("CREATE TABLE ") + quoteIdentifier(schema.name) + QStringLiteral(" (") + columns.join(QStringLiteral(", "));
    const bool keyed = schema.primaryKey >= 0;
    if (keyed) {
        sql += QStringLiteral(", CONSTRAINT ") + quoteIdentifier(schema.indexName.isEmpty() ? schema.fields[size_t(schema.primaryKey)].name : schema.indexName)
               + QStringLiteral(" PRIMARY KEY (") + quoteIdentifier(schema.fields[size_t(schema.primaryKey)].name) + QLatin1Char(')');
    }
    // Rows live in key order, and a key may not be null, as in the gauge tables' primary index.
    sql += keyed ? QStringLiteral(") WITHOUT ROWID") : QStringLiteral(")");
    // Table changes are committed at once: other connections see them, and none waits on them.
    beginIfNeeded();
    forgetTable(schema.name);
    const bool ok = exec(sql);
    commit();
    return ok;
}

bool Database::dropTable(const QString &name)
{
    if (!m_open)
        return false;
    for (Recordset *r : m_recordsets) {
        if (r->tableName().compare(name, Qt::CaseInsensitive) == 0)
            r->close();
    }
    beginIfNeeded();
    forgetTable(name);
    const bool ok = exec(QStringLiteral("DROP TABLE ") + quoteIdentifier(name));
    commit();
    return ok;
}

void Database::forgetTable(const QString &name)
{
    m_schemas.remove(tableKey(name));
    m_inserts.remove(tableKey(name));
}

const TableSchema *Database::schema(const QString &table)
{
    if (!m_open)
        return nullptr;
    const QString k = tableKey(table);
    const auto found = m_schemas.constFind(k);
    if (found != m_schemas.constEnd())
        return &found.value();

    QSqlQuery q(connection());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT name, sql FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE"));
    q.addBindValue(table);
    if (!q.exec() || !q.next())
        return nullptr;
    TableSchema s;
    s.name = q.value(0).toString();
    q.finish();

    QSqlQuery info(connection());
    info.setForwardOnly(true);
    if (!info.exec(QStringLiteral("PRAGMA table_info(") + quoteIdentifier(s.name) + QLatin1Char(')')))
        return nullptr;
    while (info.next()) {
        s.fields.push_back(fieldFromDeclaredType(info.value(1).toString(), info.value(2).toString()));
        if (info.value(5).toInt() == 1)
            s.primaryKey = int(s.fields.size()) - 1;
    }
    if (s.fields.empty())
        return nullptr;
    return &m_schemas.insert(k, s).value();
}

QSqlQuery *Database::insertStatement(const TableSchema &schema, quint64 fields)
{
    // A gauge writes the same fields row after row, so a few statements per table serve a download.
    constexpr int MaxStatementsPerTable = 16;
    QHash<quint64, std::shared_ptr<QSqlQuery>> &statements = m_inserts[tableKey(schema.name)];
    const auto found = statements.constFind(fields);
    if (found != statements.constEnd())
        return found->get();
    QStringList names;
    QStringList marks;
    for (int i = 0; i < int(schema.fields.size()); ++i) {
        if (fields & (quint64(1) << i)) {
            names.append(quoteIdentifier(schema.fields[size_t(i)].name));
            marks.append(QStringLiteral("?"));
        }
    }
    auto q = std::make_shared<QSqlQuery>(connection());
    const QString sql = names.isEmpty()
        ? QStringLiteral("INSERT INTO ") + quoteIdentifier(schema.name) + QStringLiteral(" DEFAULT VALUES")
        : QStringLiteral("INSERT INTO ") + quoteIdentifier(schema.name) + QStringLiteral(" (") + names.join(QLatin1Char(','))
              + QStringLiteral(") VALUES (") + marks.join(QLatin1Char(',')) + QLatin1Char(')');
    if (!q->prepare(sql)) {
        m_lastError = q->lastError().text();
        return nullptr;
    }
    if (statements.size() >= MaxStatementsPerTable)
        statements.clear();
    return statements.insert(fields, q)->get();
}

std::unique_ptr<Recordset> Database::openRecordset(const QString &sqlText)
{
    if (!m_open) {
        m_lastError = QStringLiteral("database not open");
        return nullptr;
    }
    const auto query = TableQuery::parse(sqlText);
    if (!query) {
        m_lastError = QStringLiteral("SQL text not understood: %1").arg(sqlText);
        return nullptr;
    }
    const TableSchema *s = schema(query->table);
    if (!s) {
        m_lastError = QStringLiteral("no table %1").arg(query->table);
        return nullptr;
    }
    for (const Condition &c : query->conditions) {
        if (s->fieldIndex(c.field) < 0) {
            m_lastError = QStringLiteral("no field %1 in %2").arg(c.field, query->table);
            return nullptr;
        }
    }
    return std::unique_ptr<Recordset>(new Recordset(*this, *s, query->conditions));
}

void Database::registerRecordset(Recordset *r)
{
    m_recordsets.push_back(r);
}

void Database::unregisterRecordset(Recordset *r)
{
    m_recordsets.erase(std::remove(m_recordsets.begin(), m_recordsets.end(), r), m_recordsets.end());
}

} // namespace valtrane::db
