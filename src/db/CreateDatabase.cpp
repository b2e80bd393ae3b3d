#include "db/CreateDatabase.h"

#include "common/StatusCode.h"
#include "common/TextFunctions.h"
#include "common/VbConvert.h"
#include "db/Database.h"
#include "db/TableKinds.h"

#include <QFileInfo>

namespace valtrane::db {

CreateDatabase::CreateDatabase(const AppPaths &paths, FileMaker makeFile)
    : m_paths(paths)
    , m_path(paths.database())
    , m_makeFile(makeFile ? std::move(makeFile) : FileMaker(&Database::createFile))
{
}

std::int16_t CreateDatabase::Create()
{
    const QString &path = m_path;
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) {
        // The old file may be in use by another program or connection: the run then works on it
        // as it is.
        if (!Database::removeFile(path))
            return status::Ok;
    }
    if (QFileInfo::exists(path))
        return status::Ok;
    m_paths.ensureInfoFolder();
    if (!m_makeFile(path))
        return status::DatabaseNotCreated;
    return QFileInfo::exists(path) ? status::Ok : status::DatabaseFileMissing;
}

int CreateDatabase::AddTable(QString &name, int kind, Database *db)
{
    name = Strip_Char(name, QLatin1Char('.'));
    Database own;
    Database *target = db;
    if (!target) {
        if (!own.open(m_path))
            return Failed;
        target = &own;
    }
    const TableSchema schema = tableDefinition(kind, name);
    if (schema.fields.empty())
        return Failed;
    if (!target->createTable(schema)) {
        if (!target->hasTable(name) || !target->dropTable(name) || !target->createTable(schema))
            return Failed;
    }
    return 0;
}

bool CreateDatabase::Delete_Table(const QString &tableList, std::unique_ptr<Database> &handle)
{
    const QString path = m_paths.database();
    if (!QFileInfo::exists(path))
        return true;
    if (!handle) {
        handle = std::make_unique<Database>();
        if (!handle->open(path))
            return false;
    }
    if (!handle->isOpen())
        return false;
    for (const QString &listed : tableListNames(tableList)) {
        const QString name = tableOf(listed);
        for (const QString &existing : handle->tableNames()) {
            if (existing == name && !handle->dropTable(existing))
                return false;
        }
    }
    return handle->commit();
}

QString CreateDatabase::tableOf(const QString &listed)
{
    return vb::isNumeric(listed) ? QLatin1Char('P') + Strip_Char(listed, QLatin1Char('.')) : listed;
}

qint64 CreateDatabase::rowsOf(const QString &databaseFile, const QString &tableList)
{
    Database database;
    if (!database.open(databaseFile))
        return 0;
    qint64 rows = 0;
    for (const QString &listed : tableListNames(tableList))
        rows += database.rowCount(tableOf(listed));
    return rows;
}

} // namespace valtrane::db
