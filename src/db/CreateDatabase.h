#pragma once

#include "common/AppPaths.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

namespace valtrane::db {

class Database;

// The structure of the project database: a new empty file, the tables of the four kinds, and
// deleting the tables a table list names.
class CreateDatabase {
public:
    // AddTable's result when the table could not be created (the caller's operation then stops).
    static constexpr int Failed = -1;

    // Makes the new, empty database file at a path: true when creating and closing it went well.
    using FileMaker = std::function<bool(const QString &path)>;

    // makeFile is Database::createFile unless given.
    explicit CreateDatabase(const AppPaths &paths, FileMaker makeFile = {});

    // The file Create makes and AddTable fills: info/MIRVAT.vkd unless another is given.
    void setDatabaseFile(const QString &path) { m_path = path; }
    const QString &databaseFile() const { return m_path; }

    // Deletes info/MIRVAT.vkd (or the file given) and creates it anew: 0 when a database file exists afterwards (a new
    // one, or the old one when it could not be deleted, e.g. while in use), 909 when creating or
    // closing it failed, 910 when no file exists after it was created.
    std::int16_t Create();

    // Creates the table name (every "." removed; name is changed in place) of the given kind in the
    // open database db, or in the database file when db is null. An existing table of that name is
    // replaced. 0, or Failed.
    int AddTable(QString &name, int kind, Database *db = nullptr);

    // Deletes the tables of tableList (names each followed by a blank; a numeric name n means the
    // nuclear project table "P" & n without "."). The database is opened into handle when handle is
    // empty. True when the file is missing or all went well, false on any failure.
    bool Delete_Table(const QString &tableList, std::unique_ptr<Database> &handle);

    // The rows of the tables a table list names in a database file (0 when it cannot be opened).
    static qint64 rowsOf(const QString &databaseFile, const QString &tableList);

private:
    // The table a table list's entry names: a numeric entry is the nuclear project table "P" & n
    // without ".".
    static QString tableOf(const QString &listed);

    const AppPaths &m_paths;
    QString m_path;
    FileMaker m_makeFile;
};

} // namespace valtrane::db
