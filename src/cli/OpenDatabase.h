#pragma once

#include "db/Database.h"

namespace valtrane::db {
class DatabaseHold;
}

namespace valtrane::cli {

struct CliContext;

// Opens the program folder's database for a command. False when there is none or it cannot be
// opened; the reason is on stderr and exitCode holds the command's exit code.
// Commands that only read open it read-only, so that they work on a read-only medium.
bool openDatabase(CliContext &context, db::Database &database, int &exitCode,
                  db::Database::Access access = db::Database::Access::ReadWrite);

// False while another program (an open, a download) holds the database; the reason, with status
// 789, is on stderr and exitCode holds the command's exit code.
bool databaseHeld(CliContext &context, const db::DatabaseHold &hold, int &exitCode);

} // namespace valtrane::cli
