#pragma once

#include <QString>

namespace valtrane::db {

// The lock file beside an open database (MIRVAT.ldb beside MIRVAT.vkd). It exists while this
// program has the database open through any connection, and other programs test for it.
//
// A lock file is stale, and does not count, when it names a process on this machine that no longer
// runs (the program crashed while the database was open); the first test that finds it stale
// removes it. A lock file this program cannot read (not written by it) is taken as a real lock.
class DatabaseLock {
public:
    // The lock file path for a database path: the same name with the extension ".ldb".
    static QString lockPathFor(const QString &databasePath);

    // Holds the lock while at least one connection of this process holds it.
    static void acquire(const QString &lockPath);
    static void release(const QString &lockPath);
    // Takes the lock for work that must not share the database with another program or with an
    // open connection. InUse, with nothing held, while one holds it; CannotLock, with nothing held,
    // when no lock file can be made there (a read-only folder). Acquired is released by
    // releaseHold(); the work's own connections may come and go meanwhile.
    enum class Attempt { Acquired, InUse, CannotLock };
    static Attempt tryAcquire(const QString &lockPath);
    static void releaseHold(const QString &lockPath);

    // True when this process holds the lock, or the file exists and is not stale.
    static bool isLocked(const QString &lockPath);
};

} // namespace valtrane::db
