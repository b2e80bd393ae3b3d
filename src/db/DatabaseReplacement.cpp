#include "db/DatabaseReplacement.h"

#include "common/FileSync.h"
#include "common/SettingsFile.h"
#include "db/Database.h"
#include "db/DatabaseLock.h"
#include "db/TableRegistry.h"

#include <QFile>
#include <QFileInfo>

namespace valtrane::db {

namespace {

const char *const SideFiles[] = {"-wal", "-shm", "-journal"};

// Rows still in the live database's write-ahead log go into the file itself, and the log goes: a
// log left beside the name would be read into the new file that takes it.
void settleLiveDatabase(const QString &live)
{
    if (QFileInfo::exists(live + QLatin1String("-wal"))) {
        Database connection;
        if (connection.open(live))
            connection.close();
    }
    for (const char *suffix : SideFiles)
        QFile::remove(live + QLatin1String(suffix));
}

} // namespace

bool DatabaseReplacement::commit(const AppPaths &paths, std::int32_t deviceCode, const QString &tableList)
{
    const QString fresh = paths.newDatabase();
    const QString freshRegistry = paths.newTableRegistry();
    if (!FileSync::syncFile(fresh))
        return false;
    if (!SettingsFile::writeLines(freshRegistry, registryLines(deviceCode, tableList))) {
        QFile::remove(freshRegistry);
        return false;
    }
    const QString live = paths.database();
    settleLiveDatabase(live);
    if (!FileSync::replace(fresh, live)) {
        QFile::remove(freshRegistry);
        return false;
    }
    // From here the new database is live: a crash before the next step is finished by recover.
    return FileSync::replace(freshRegistry, paths.tableRegistry());
}

void DatabaseReplacement::discard(const AppPaths &paths)
{
    const QString fresh = paths.newDatabase();
    QFile::remove(fresh);
    for (const char *suffix : SideFiles)
        QFile::remove(fresh + QLatin1String(suffix));
    // A lock a killed builder left on the new database.
    const QString freshLock = DatabaseLock::lockPathFor(fresh);
    if (!DatabaseLock::isLocked(freshLock))
        QFile::remove(freshLock);
    QFile::remove(paths.newTableRegistry());
}

void DatabaseReplacement::recover(const AppPaths &paths)
{
    const QString fresh = paths.newDatabase();
    if (QFileInfo::exists(fresh) || QFileInfo::exists(fresh + QLatin1String("-wal"))) {
        discard(paths);
        return;
    }
    const QString freshRegistry = paths.newTableRegistry();
    if (QFileInfo::exists(freshRegistry))
        FileSync::replace(freshRegistry, paths.tableRegistry());
}

} // namespace valtrane::db
