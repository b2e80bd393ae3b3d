#include "app/GridConnection.h"

namespace valtrane::app {

GridConnection::GridConnection(const AppPaths &paths)
    : m_paths(paths)
{
}

GridConnection::~GridConnection()
{
    close();
}

void GridConnection::close()
{
    clearGrids();
    m_dataSet.reset();
    m_infoSet.reset();
    m_database.close();
}

bool GridConnection::reopen()
{
    close();
    return m_database.open(m_paths.database());
}

bool GridConnection::openDataSet(const QString &sqlText)
{
    m_dataModel.setRecordset(nullptr);
    m_dataSet = m_database.isOpen() ? m_database.openRecordset(sqlText) : nullptr;
    return m_dataSet != nullptr;
}

bool GridConnection::openInfoSet(const QString &sqlText)
{
    m_infoModel.setRecordset(nullptr);
    m_infoSet = m_database.isOpen() ? m_database.openRecordset(sqlText) : nullptr;
    return m_infoSet != nullptr;
}

void GridConnection::bind()
{
    m_dataModel.setRecordset(m_dataSet.get());
    m_infoModel.setRecordset(m_infoSet.get());
}

void GridConnection::clearGrids()
{
    m_dataModel.setRecordset(nullptr);
    m_infoModel.setRecordset(nullptr);
}

} // namespace valtrane::app
