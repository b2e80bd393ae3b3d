#pragma once

#include "common/AppPaths.h"
#include "common/AppState.h"

#include <QString>
#include <cstdint>

namespace valtrane::project {

// What opening a project file gave: the model code and table list now in the database and
// registry, or why nothing was changed.
struct ProjectOpenResult {
    bool opened = false;
    std::int16_t modelCode = 99;
    QString tableList;
    qint64 readings = 0;      // rows stored in the new tables
    QString error;            // for people; empty when opened
    QString warning;          // for people: opened, but the file was cut short
    std::int16_t status = 0;  // a status code that goes with the error, 0 when there is none
};

// Opening a saved project text file: a new database from the file, then Table_List, DeviceCode,
// the table registry, TreeRootCaption and info/Info.vkt (written from the CInfo in state). The
// parse run is ended afterwards, so the database is closed on return.
//
// The new database is built beside the live one and replaces it, with its registry, only when the
// whole file was read into it: a file that is missing or is no saved project of its model, a
// database in use, a full disk or a crash leave the previous database and registry as they were.
class ProjectOpen {
public:
    static ProjectOpenResult open(const AppPaths &paths, AppState &state, const QString &fileName);

    static QString missingFileMessage() { return QStringLiteral("Selected File does not exist.  Check file name and path."); }
};

} // namespace valtrane::project
