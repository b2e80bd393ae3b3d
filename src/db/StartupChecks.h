#pragma once

#include "common/AppPaths.h"
#include "common/AppState.h"

#include <QString>

namespace valtrane::db {

// The checks that keep the database and the table registry consistent when the program starts:
// LastFolder is the program folder; a registry without its database is deleted; the registry is
// read into Table_List and DeviceCode; a database with no listed tables is deleted unless its lock
// file shows it in use. Returns the message to show ("Database with no tables, reseting."), or an
// empty text when there is none.
class StartupChecks {
public:
    static QString run(const AppPaths &paths, AppState &state);

    static QString resetMessage() { return QStringLiteral("Database with no tables, reseting."); }
};

} // namespace valtrane::db
