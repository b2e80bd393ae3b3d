#include "cli/CliContext.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/OpenDatabase.h"
#include "db/DatabaseHold.h"
#include "db/TableRegistry.h"

namespace valtrane::cli {

int runTables(CliContext &context, const QStringList &args)
{
    CommandLine line(QStringLiteral("tables"), QStringLiteral("Shows the gauge model code and the table list of the table registry."));
    int exitCode = 0;
    if (!line.parse(context, args, exitCode))
        return exitCode;
    db::DatabaseHold hold(context.paths);
    if (!databaseHeld(context, hold, exitCode))
        return exitCode;
    const QString list = db::Table_Registry(context.paths, context.state, 0);
    context.out << "DeviceCode: " << context.state.DeviceCode << "\n";
    context.out << "Table_List: " << list << "\n";
    return 0;
}

} // namespace valtrane::cli
