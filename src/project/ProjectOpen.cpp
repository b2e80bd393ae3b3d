#include "project/ProjectOpen.h"

#include "common/StatusCode.h"
#include "db/DatabaseLock.h"
#include "db/TableRegistry.h"
#include "export/GetTables.h"
#include "parse/Parse.h"
#include "report/InfoFile.h"

#include <QFileInfo>

namespace valtrane::project {

namespace {

QString rootCaption(std::int32_t deviceCode, const QString &fileName)
{
    QString caption;
    switch (deviceCode) {
    case LD4800: caption = QStringLiteral("Tests ("); break;
    case SG2150: caption = QStringLiteral("Run Number ("); break;
    default: caption = QStringLiteral("Projects ("); break;
    }
    return caption + QFileInfo(fileName).fileName() + QLatin1Char(')');
}

} // namespace

ProjectOpenResult ProjectOpen::open(const AppPaths &paths, AppState &state, const QString &fileName)
{
    ProjectOpenResult result;
    if (!QFileInfo(fileName).isFile()) {
        result.error = missingFileMessage();
        return result;
    }
    const QString notAProject = QStringLiteral("%1 is not a saved project file: its first line is not a gauge model code.")
                                    .arg(QFileInfo(fileName).fileName());
    if (exporting::GetTables::modelCodeOf(fileName) == exporting::GetTables::NotASavedFile) {
        result.error = notAProject;
        return result;
    }

    // Another program working on the database would lose its tables under its feet.
    if (db::DatabaseLock::isLocked(paths.lockFile())) {
        result.status = status::DatabaseLocked;
        result.error = QStringLiteral("The database is in use by another program; close it and open the project again.");
        return result;
    }

    parse::Parse parse(paths, state);
    exporting::GetTables reader(parse);
    const QString list = reader.Get_tables(fileName, state.Table_List);
    parse.DeInit();
    // The file may have changed since it was looked at; the reader then started nothing.
    if (!reader.savedFile()) {
        result.error = notAProject;
        return result;
    }
    if (reader.initStatus() != status::Ok) {
        // The old tables went before the new database failed: nothing is listed any more.
        state.Table_List.clear();
        db::Table_Registry(paths, state, 1, state.Table_List);
        result.status = reader.initStatus();
        result.error = QStringLiteral("The project could not be opened: %1.").arg(status::meaning(result.status));
        return result;
    }

    state.Table_List = list;
    state.DeviceCode = reader.modelCode();
    db::Table_Registry(paths, state, 1, state.Table_List);
    state.TreeRootCaption = rootCaption(state.DeviceCode, fileName);
    report::InfoFile::write(paths, state);

    result.opened = true;
    result.modelCode = reader.modelCode();
    result.tableList = list;
    return result;
}

} // namespace valtrane::project
