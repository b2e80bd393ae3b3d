#include "support/BrowsingTables.h"

#include "db/TableKinds.h"
#include "db/TableRegistry.h"

namespace valtrane::test {

void writeRegistry(const AppPaths &paths, int deviceCode, const QString &tableList)
{
    AppState state;
    state.DeviceCode = deviceCode;
    db::Table_Registry(paths, state, 1, tableList);
}

TableContent loggerTest(const QString &name, const std::vector<std::array<double, 4>> &channels, const QStringList &names)
{
    TableContent table{name, db::LoggerTestTable, {"READNUMBER", "TIME", "CH1", "CH2", "CH3", "CH4", "CH1NAME", "CH2NAME", "CH3NAME", "CH4NAME"}, {}};
    for (const auto &ch : channels) {
        const int n = int(table.records.size()) + 1;
        QStringList record{QString::number(n), QStringLiteral("00:00:%1").arg(n, 2, 10, QLatin1Char('0'))};
        for (double v : ch)
            record.append(QString::number(v));
        for (int i = 0; i < 4; ++i)
            record.append(names.value(i, QStringLiteral("~")));
        table.records.push_back(record);
    }
    return table;
}

} // namespace valtrane::test
