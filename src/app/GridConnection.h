#pragma once

#include "app/RecordsetTableModel.h"
#include "common/AppPaths.h"
#include "db/Database.h"
#include "db/Recordset.h"

#include <memory>

namespace valtrane::app {

// The connection the grids work on, with its two record sets: the data set shown in the data grid
// and the information set shown in the information grid. Both stay open until the next node
// selection, a project load or a download closes them, or the program ends.
class GridConnection {
public:
    explicit GridConnection(const AppPaths &paths);
    ~GridConnection();
    GridConnection(const GridConnection &) = delete;
    GridConnection &operator=(const GridConnection &) = delete;

    // Empties both grids, closes both record sets and the connection.
    void close();
    // Closes everything and opens the database file anew. False when it cannot be opened.
    bool reopen();

    // Each opens a record set on an SQL text; false (and no set) when the text or table is unknown.
    bool openDataSet(const QString &sqlText);
    bool openInfoSet(const QString &sqlText);

    db::Database &database() { return m_database; }
    db::Recordset *dataSet() { return m_dataSet.get(); }
    db::Recordset *infoSet() { return m_infoSet.get(); }

    RecordsetTableModel &dataModel() { return m_dataModel; }
    RecordsetTableModel &infoModel() { return m_infoModel; }

    // Shows the two record sets in their grids.
    void bind();
    // Leaves both grids without columns; the record sets stay open.
    void clearGrids();

private:
    const AppPaths &m_paths;
    db::Database m_database;
    std::unique_ptr<db::Recordset> m_dataSet;
    std::unique_ptr<db::Recordset> m_infoSet;
    RecordsetTableModel m_dataModel;
    RecordsetTableModel m_infoModel;
};

} // namespace valtrane::app
