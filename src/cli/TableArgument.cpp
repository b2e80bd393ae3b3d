#include "cli/TableArgument.h"

#include "app/ProjectTree.h"
#include "cli/CliContext.h"
#include "common/TextFunctions.h"
#include "db/Database.h"
#include "db/TableRegistry.h"

namespace valtrane::cli {

namespace {

bool nuclear(std::int32_t deviceCode)
{
    return deviceCode == NG7700A || deviceCode == NG7700B;
}

// The table a registry entry stands for: a nuclear project's identifier without "." after "P".
QString storedName(const QString &entry, std::int32_t deviceCode)
{
    return nuclear(deviceCode) ? QStringLiteral("P") + Strip_Char(entry, QLatin1Char('.')) : entry;
}

bool same(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

std::optional<TableArgument> TableArgument::resolve(CliContext &context, const db::Database &database, const QString &typed,
                                                    int &exitCode)
{
    const QString name = typed.trimmed();
    const QStringList entries = tableListNames(db::Table_Registry(context.paths, context.state, 0));
    const std::int32_t device = context.state.DeviceCode;
    for (const QString &entry : entries) {
        const QString stored = storedName(entry, device);
        if (same(name, entry) || same(name, app::ProjectTree::tableText(entry)) || same(name, stored))
            return TableArgument{stored, entry};
    }
    // A table the registry does not list is still found by its stored name.
    if (!name.isEmpty() && database.hasTable(name)) {
        const bool project = nuclear(device) && name.startsWith(QLatin1Char('P'), Qt::CaseInsensitive);
        return TableArgument{name, project ? name.mid(1) : name};
    }
    const QString known = entries.isEmpty() ? QStringLiteral("the table registry lists none")
                                            : QStringLiteral("the tables are ") + entries.join(QStringLiteral(", "));
    exitCode = context.fail(QStringLiteral("there is no table '%1'; %2").arg(name, known));
    return std::nullopt;
}

} // namespace valtrane::cli
