#include "export/Writeout.h"

#include "common/TextFunctions.h"
#include "common/VbConvert.h"
#include "db/Database.h"
#include "db/Recordset.h"
#include "export/Ld4800Listing.h"
#include "export/Ng7700aReport.h"
#include "export/Ng7700bReport.h"
#include "export/ReportLines.h"
#include "export/Sg2150Listing.h"

#include <QSaveFile>

namespace valtrane::exporting {

namespace {

bool isNuclear(int modelCode)
{
    return modelCode == NG7700A || modelCode == NG7700B;
}

} // namespace

bool Writeout::writeout(db::Database &connection, const QString &fileName, const QString &tableList, int modelCode,
                        const QString &singleTableName, const AppState &state)
{
    m_error.clear();
    if (tableList.isEmpty())
        return true;
    const QString list = singleTableName.isEmpty() ? tableList : singleTableName + QLatin1Char(' ');

    struct CloseAtEnd {
        db::Database &connection;
        bool keepOpen;
        ~CloseAtEnd()
        {
            if (!keepOpen)
                connection.close();
        }
    } closeAtEnd{connection, state.ExportConfirmed};

    if (modelCode < LD4800 || modelCode > SG2150) {
        m_error = QStringLiteral("unknown gauge model %1").arg(modelCode);
        return false;
    }
    if (!connection.isOpen() && !connection.open(m_paths.database())) {
        m_error = QStringLiteral("the database cannot be opened: %1").arg(connection.lastError());
        return false;
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        m_error = QStringLiteral("%1 cannot be written: %2").arg(fileName, file.errorString());
        return false;
    }
    ReportLines out(file);
    if (!writeTables(connection, out, list, modelCode, modelCode == NG7700A && state.CsvReport)) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        m_error = QStringLiteral("%1 cannot be written: %2").arg(fileName, file.errorString());
        return false;
    }
    return true;
}

bool Writeout::writeTables(db::Database &connection, ReportLines &out, const QString &tableList, int modelCode, bool commaVariant)
{
    out.line(vb::printNumber(modelCode));
    Ng7700aReport ng7700a(out, commaVariant);
    Ng7700bReport ng7700b(out);
    Sg2150Listing sg2150(out);
    Ld4800Listing ld4800(out);

    for (const QString &name : tableListNames(tableList)) {
        // Two blanks in a row name no table.
        if (name.isEmpty())
            continue;
        const QString table = (isNuclear(modelCode) ? QStringLiteral("P") : QString()) + Strip_Char(name, QLatin1Char('.'));
        const auto records = connection.openRecordset(QStringLiteral("SELECT * FROM ") + table);
        if (!records || !records->requery()) {
            m_error = QStringLiteral("table %1 cannot be read: %2").arg(table, connection.lastError());
            return false;
        }
        bool ok = false;
        switch (modelCode) {
        case NG7700A: ok = ng7700a.writeTable(*records, m_error); break;
        case NG7700B: ok = ng7700b.writeTable(*records, m_error); break;
        case SG2150: ok = sg2150.writeTable(*records, m_error); break;
        default: ok = ld4800.writeTable(*records, m_error); break;
        }
        if (!ok)
            return false;
        // The summary-run table holds every run after the twentieth: nothing can follow it.
        if (modelCode == SG2150 && Sg2150Listing::isSummaryTable(table))
            break;
    }
    return true;
}

} // namespace valtrane::exporting
