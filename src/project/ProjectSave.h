#pragma once

#include "common/AppPaths.h"
#include "common/AppState.h"

#include <QString>

namespace valtrane::db {
class Database;
}

namespace valtrane::project {

using db::Database;

// Save all projects (every table of Table_List) or the selected project (CurrentTable) as a
// project text file, without a window: the desktop program asks its questions first, the CLI
// passes its options. The file is written whole before it replaces anything, so a failed save
// never leaves a half-written file where a good one was.
class ProjectSave {
public:
    enum class Outcome {
        Saved,          // the file holds the tables
        NothingToSave,  // Table_List is empty: no file was written
        FileExists,     // the file exists and overwriting was not allowed: nothing was written
        Failed,         // a table could not be read or the file not written; message says why
    };

    struct Result {
        Outcome outcome = Outcome::Failed;
        QString message;
    };

    ProjectSave(const AppPaths &paths, AppState &state) : m_paths(paths), m_state(state) {}

    // Every table of Table_List, for the gauge model DeviceCode.
    Result saveAll(Database &connection, const QString &fileName, bool overwrite);
    // CurrentTable only; with no table on screen, every table, as saveAll.
    Result saveSelected(Database &connection, const QString &fileName, bool overwrite);

    // The question asked before an existing file is replaced, and the message after a save.
    static QString overwriteQuestion(const QString &fileName);
    static QString savedMessage(const QString &fileName);
    static QString savedTitle();

private:
    Result save(Database &connection, const QString &fileName, const QString &singleTable, bool overwrite);

    const AppPaths &m_paths;
    AppState &m_state;
};

} // namespace valtrane::project
