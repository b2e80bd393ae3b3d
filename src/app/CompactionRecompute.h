#pragma once

#include "common/AppState.h"
#include "db/Database.h"

namespace valtrane::app {

// After the maximum density (MAXD) of a project's header row changed: every reading of the
// surface on screen gets its percent compaction again, from the dry density on soil and the wet
// density otherwise.
class CompactionRecompute {
public:
    static QString failureMessage() { return QStringLiteral("Error Updating Database."); }

    // Works on the project table "P" + CurrentTable; does nothing while no project surface is on
    // screen. False on the first failure (no table, no usable MAXD, a value that cannot be
    // computed or stored); readings saved before it stay saved.
    static bool run(db::Database &database, const AppState &state);
};

} // namespace valtrane::app
