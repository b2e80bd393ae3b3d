#pragma once

#include "common/AppPaths.h"

#include <QString>
#include <cstdint>

namespace valtrane::db {

// A new database (an opened project, a download) is built in info/MIRVAT.new.vkd while the live
// database and its registry stay as they are; commit puts the new pair in place, discard throws
// the new database away. A failure, a full disk, a kill or a power loss at any point leaves a
// restart with the old pair or the new pair, never a mix.
//
// Two renames are not one step, so the registry goes first, whole, beside the live one
// (info/DBTbles.new.vkt); then the new database replaces the live one; then the new registry
// replaces the old. recover (run by whoever takes the database's lock first) finishes or undoes
// what a crash interrupted: while the new database still lies beside the live one nothing was put
// in place, and both new files go; once it is gone it is the live database, and the new registry
// that belongs to it is put in place.
class DatabaseReplacement {
public:
    // The new database must be closed. False, with the live pair unchanged, when it could not be
    // put in place (the caller then discards it).
    static bool commit(const AppPaths &paths, std::int32_t deviceCode, const QString &tableList);
    static void discard(const AppPaths &paths);
    static void recover(const AppPaths &paths);
};

} // namespace valtrane::db
