#pragma once

#include "db/TableSchema.h"

#include <QElapsedTimer>
#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QSqlError;
class QSqlQuery;

namespace valtrane::db {

class Recordset;

// One connection to a database file (SQLite 3). While it is open the file's lock file is held.
//
// Writes are gathered into transactions that are committed at least every quarter second, at
// every explicit commit() and when the connection closes; the file is in write-ahead-log mode, so
// a crash loses at most the last quarter second of rows and never leaves a damaged file.
class Database {
public:
    Database();
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    // Creates a new, empty database file and closes it (no file may exist there yet). False when
    // creating or closing it failed; whether the file is there afterwards is the caller's to check.
    static bool createFile(const QString &path);
    // Removes a database file, then the files SQLite keeps beside it. False, with nothing removed,
    // while the database is in use (a connection of this program or a live lock of another holds
    // it) or when the file cannot be deleted.
    static bool removeFile(const QString &path);

    enum class Access { ReadWrite, ReadOnly };
    // Opens an existing file. False when it does not exist or is not a database. Read-only access
    // also reads a file on a medium that cannot be written.
    bool open(const QString &path, Access access = Access::ReadWrite);
    void close();
    bool isOpen() const { return m_open; }
    const QString &path() const { return m_path; }
    QString lastError() const { return m_lastError; }

    QStringList tableNames() const;
    bool hasTable(const QString &name) const;
    // The rows of a table; 0 when there is no such table.
    qint64 rowCount(const QString &table) const;

    // Creates the table; false when a table of that name (in any case) exists or the name is empty.
    bool createTable(const TableSchema &schema);
    bool dropTable(const QString &name);

    // The table's fields and primary key as stored in the file; nullptr when there is no such table.
    const TableSchema *schema(const QString &table);

    // A record set on an SQL text (see TableQuery); nullptr when the text is not understood or the
    // table does not exist. The record set must not outlive this connection's close().
    std::unique_ptr<Recordset> openRecordset(const QString &sqlText);

    // Commits the writes gathered so far.
    bool commit();
    // A row or a commit did not reach the file because the disk failed or was full. Kept after
    // close() until the next open(), so that whoever built the file can tell it is not whole.
    bool writeFailed() const { return m_writeFailed; }

    // The Qt connection, for a grid model bound to a query of this layer.
    QSqlDatabase connection() const;

private:
    // Opens the connection with these options and reads the schema; false (and no connection)
    // when either fails.
    bool connect(const QString &databaseName, const QString &options);

    friend class Recordset;

    bool exec(const QString &sql);
    void noteFailure(const QSqlError &error);
    void noteWrite();
    void beginIfNeeded();
    // A prepared INSERT of the fields whose bits are set in fields (bit i: field i).
    QSqlQuery *insertStatement(const TableSchema &schema, quint64 fields);
    void forgetTable(const QString &name);
    void registerRecordset(Recordset *r);
    void unregisterRecordset(Recordset *r);

    QString m_connectionName;
    QString m_path;
    QString m_lockPath;
    QString m_lastError;
    bool m_open = false;
    bool m_inTransaction = false;
    bool m_writeFailed = false;
    QElapsedTimer m_sinceCommit;
    QHash<QString, TableSchema> m_schemas;                    // by upper-case table name
    // Prepared INSERTs by upper-case table name and the set of fields they write.
    QHash<QString, QHash<quint64, std::shared_ptr<QSqlQuery>>> m_inserts;
    std::vector<Recordset *> m_recordsets;
};

} // namespace valtrane::db
