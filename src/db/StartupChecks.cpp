#include "db/StartupChecks.h"

#include "db/Database.h"
#include "db/DatabaseHold.h"
#include "db/DatabaseLock.h"
#include "db/TableRegistry.h"

#include <QFile>
#include <QFileInfo>

namespace valtrane::db {

QString StartupChecks::run(const AppPaths &paths, AppState &state)
{
    state.LastFolder = paths.programFolder();
    // A new database that a crash left half put in place is finished or thrown away first.
    { const DatabaseHold hold(paths); }

    const QString database = paths.database();
    const QString registry = paths.tableRegistry();
    if (!QFileInfo::exists(database) && QFileInfo::exists(registry))
        QFile::remove(registry);

    state.Table_List = Table_Registry(paths, state, 0);

    if (state.Table_List.isEmpty() && QFileInfo::exists(database) && !DatabaseLock::isLocked(paths.lockFile())) {
        Database::removeFile(database);
        return resetMessage();
    }
    return QString();
}

} // namespace valtrane::db
