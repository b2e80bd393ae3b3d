#include "cli/OpenDatabase.h"

#include "cli/CliContext.h"
#include "common/StatusCode.h"
#include "db/Database.h"
#include "db/DatabaseHold.h"

#include <QFileInfo>

namespace valtrane::cli {

bool databaseHeld(CliContext &context, const db::DatabaseHold &hold, int &exitCode)
{
    if (hold.held())
        return true;
    exitCode = context.fail(db::DatabaseHold::inUseMessage(), status::DatabaseLocked);
    return false;
}

bool openDatabase(CliContext &context, db::Database &database, int &exitCode, db::Database::Access access)
{
    const QString path = context.paths.database();
    if (!QFileInfo::exists(path)) {
        exitCode = context.fail(QStringLiteral("there is no database (%1)").arg(path));
        return false;
    }
    if (!database.open(path, access)) {
        exitCode = context.fail(QStringLiteral("the database cannot be opened: %1").arg(database.lastError()));
        return false;
    }
    return true;
}

} // namespace valtrane::cli
