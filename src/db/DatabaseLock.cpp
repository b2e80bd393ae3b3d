#include "db/DatabaseLock.h"

#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QMutex>
#include <memory>

namespace valtrane::db {

namespace {

struct HeldLock {
    std::shared_ptr<QLockFile> file;
    int connections = 0;
    int holds = 0;  // tryAcquire's, for work that needs the database to itself
};

// Locks held by this process, counted per connection. This is the one table of its kind: the lock
// file belongs to the file system, which is shared by the whole process.
struct LockTable {
    QMutex mutex;
    QHash<QString, HeldLock> held;
};

LockTable &lockTable()
{
    static LockTable table;
    return table;
}

// File names below the program folder compare without regard to case.
QString key(const QString &lockPath)
{
    return QFileInfo(lockPath).absoluteFilePath().toLower();
}

} // namespace

QString DatabaseLock::lockPathFor(const QString &databasePath)
{
    const QFileInfo info(databasePath);
    return info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".ldb");
}

void DatabaseLock::acquire(const QString &lockPath)
{
    LockTable &table = lockTable();
    QMutexLocker locker(&table.mutex);
    HeldLock &lock = table.held[key(lockPath)];
    if (lock.connections++ == 0 && lock.holds == 0) {
        lock.file = std::make_shared<QLockFile>(lockPath);
        lock.file->setStaleLockTime(0);
        // Another program may hold it: the database still opens, as it always could.
        if (!lock.file->tryLock(0))
            lock.file.reset();
    }
}

DatabaseLock::Attempt DatabaseLock::tryAcquire(const QString &lockPath)
{
    LockTable &table = lockTable();
    QMutexLocker locker(&table.mutex);
    const QString k = key(lockPath);
    const auto it = table.held.find(k);
    if (it != table.held.end()) {
        // An open connection (the desktop program's own included) is using the database.
        if (!it->file || it->connections > 0)
            return Attempt::InUse;
        ++it->holds;
        return Attempt::Acquired;
    }
    auto file = std::make_shared<QLockFile>(lockPath);
    file->setStaleLockTime(0);
    if (!file->tryLock(0))
        return file->error() == QLockFile::LockFailedError ? Attempt::InUse : Attempt::CannotLock;
    table.held.insert(k, HeldLock{file, 0, 1});
    return Attempt::Acquired;
}

void DatabaseLock::releaseHold(const QString &lockPath)
{
    LockTable &table = lockTable();
    QMutexLocker locker(&table.mutex);
    const auto it = table.held.find(key(lockPath));
    if (it == table.held.end())
        return;
    if (--it->holds <= 0 && it->connections <= 0)
        table.held.erase(it);
}

void DatabaseLock::release(const QString &lockPath)
{
    LockTable &table = lockTable();
    QMutexLocker locker(&table.mutex);
    const auto it = table.held.find(key(lockPath));
    if (it == table.held.end())
        return;
    if (--it->connections <= 0 && it->holds <= 0)
        table.held.erase(it);
}

bool DatabaseLock::isLocked(const QString &lockPath)
{
    {
        LockTable &table = lockTable();
        QMutexLocker locker(&table.mutex);
        if (table.held.contains(key(lockPath)))
            return true;
    }
    if (!QFileInfo::exists(lockPath))
        return false;
    QLockFile probe(lockPath);
    probe.setStaleLockTime(0);
    if (probe.tryLock(0)) {
        probe.unlock();
        return false;
    }
    return true;
}

} // namespace valtrane::db
