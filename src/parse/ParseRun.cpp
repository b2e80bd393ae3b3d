#include "parse/ParseRun.h"

#include "common/StatusCode.h"
#include "common/TextFunctions.h"
#include "db/SqlText.h"
#include "db/TableKinds.h"
#include "parse/TokenText.h"

namespace valtrane::parse {

ParseRun::ParseRun(const AppPaths &paths, AppState &appState)
    : m_paths(paths)
    , m_app(appState)
    , m_databaseFile(paths.database())
{
}

ParseRun::~ParseRun()
{
    DeInit();
}

std::int16_t ParseRun::Initit(const QString &tableList)
{
    // A run still open gives up its file first, so that the file can be made anew.
    closeDatabase();
    // Everything is reset even when the file cannot be made: a run that failed to start must not
    // hand on the tables of an earlier run.
    m_state = RunState();
    m_tableList.clear();
    m_projectTables.clear();
    m_sharedTables.clear();
    m_writeFailed = false;

    m_creator = std::make_unique<db::CreateDatabase>(m_paths);
    m_creator->setDatabaseFile(m_databaseFile);
    if (!tableList.isEmpty() && m_databaseFile == m_paths.database()) {
        std::unique_ptr<db::Database> handle;
        m_creator->Delete_Table(tableList, handle);
    }
    const std::int16_t created = m_creator->Create();
    m_app.LastStatus = created;
    if (created == status::DatabaseNotCreated || created == status::DatabaseFileMissing)
        return created;
    // A file that is there but is no database (it could not be replaced) cannot receive tables.
    if (!m_database.open(m_databaseFile)) {
        m_app.LastStatus = status::DatabaseNotCreated;
        return status::DatabaseNotCreated;
    }
    return status::Ok;
}

void ParseRun::DeInit()
{
    m_state.token.clear();
    closeDatabase();
}

void ParseRun::appendToTableList(QStringView name)
{
    m_tableList += name;
    m_tableList += QLatin1Char(' ');
}

bool ParseRun::canOpen(const QString &table)
{
    if (table.size() > LongestTableName)
        return false;
    // The SQL text trims the name and reads conditions from it; a name that would not come back
    // unchanged (white space at its ends, a WHERE inside) could not be opened, or would open
    // another table.
    const auto query = db::TableQuery::parse(QStringLiteral("SELECT * FROM ") + table);
    return query && query->table == table && query->conditions.empty();
}

bool ParseRun::createTable(QString &name, int kind)
{
    // A table that could never be opened again is not made.
    const QString table = Strip_Char(name, QLatin1Char('.'));
    if (!m_creator || !m_database.isOpen() || !canOpen(table))
        return false;
    const bool project = kind == db::Ng7700aProjectTable || kind == db::Ng7700bProjectTable;
    if (project && m_projectTables.contains(table.toUpper())) {
        m_sharedTables.append(table);
        return false;
    }
    const int result = m_creator->AddTable(name, kind, &m_database);
    if (result != 0) {
        m_writeFailed = m_writeFailed || m_database.writeFailed();
        return false;
    }
    m_app.LastStatus = std::int16_t(result);
    if (project)
        m_projectTables.insert(table.toUpper());
    return true;
}

bool ParseRun::openTable(const QString &name)
{
    closeTable();
    if (!m_database.isOpen() || !canOpen(name))
        return false;
    m_records = m_database.openRecordset(QStringLiteral("SELECT * FROM ") + name);
    return m_records != nullptr;
}

void ParseRun::closeTable()
{
    m_recordOpen = false;
    m_records.reset();
}

void ParseRun::closeDatabase()
{
    closeTable();
    m_database.close();
}

void ParseRun::commit()
{
    if (m_database.isOpen())
        m_database.commit();
}

bool ParseRun::addNew()
{
    if (!m_records || !m_records->isOpen() || !m_records->addNew())
        return false;
    m_recordOpen = true;
    return true;
}

bool ParseRun::edit()
{
    if (!m_records || !m_records->isOpen() || !m_records->edit())
        return false;
    m_recordOpen = true;
    return true;
}

bool ParseRun::update()
{
    if (!m_recordOpen || !m_records || !m_records->update())
        return false;
    m_recordOpen = false;
    return true;
}

bool ParseRun::moveFirst()
{
    m_recordOpen = false;
    return m_records && m_records->moveFirst();
}

bool ParseRun::setValue(QStringView field, const QVariant &value)
{
    return m_recordOpen && m_records && m_records->setField(field, value);
}

bool ParseRun::setSingle(QStringView field, QStringView number)
{
    const auto v = singleOf(number);
    return v && setValue(field, QVariant(*v));
}

bool ParseRun::setLong(QStringView field, QStringView number)
{
    const auto v = longOf(number);
    return v && setValue(field, QVariant(qint32(*v)));
}

std::optional<QVariant> ParseRun::value(QStringView field)
{
    if (!m_records)
        return std::nullopt;
    bool ok = false;
    QVariant v = m_records->field(field, &ok);
    if (!ok)
        return std::nullopt;
    return v;
}

} // namespace valtrane::parse
