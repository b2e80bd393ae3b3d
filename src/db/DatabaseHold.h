#pragma once

#include "common/AppPaths.h"

#include <QString>

namespace valtrane::db {

// The database's lock held for one piece of work that reads or writes it (an open, a download, a
// save, a listing), so that none of them meets another's half-done work: while one holds it the
// others are told the database is in use. The first holder also finishes or undoes a replacement
// that a crash interrupted. A program folder without an info folder holds no database, and a
// read-only one cannot be written by anybody: neither needs the lock.
class DatabaseHold {
public:
    explicit DatabaseHold(const AppPaths &paths);
    ~DatabaseHold();
    DatabaseHold(const DatabaseHold &) = delete;
    DatabaseHold &operator=(const DatabaseHold &) = delete;

    // False while another program holds the database.
    bool held() const { return m_held; }

    static QString inUseMessage() { return QStringLiteral("The database is in use by another program; try again when it is done."); }

private:
    QString m_lockPath;
    bool m_held = false;
    bool m_locked = false;
};

} // namespace valtrane::db
