#include "cli/CliContext.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/OpenDatabase.h"
#include "cli/TableArgument.h"
#include "common/TextFunctions.h"
#include "db/Database.h"
#include "db/DatabaseHold.h"
#include "project/ProjectSave.h"
#include "db/TableRegistry.h"

namespace valtrane::cli {

int runSave(CliContext &context, const QStringList &args)
{
    CommandLine line(QStringLiteral("save"),
                     QStringLiteral("Saves every table of the table registry, or one table, as a project text file that open reads back."));
    line.parser().addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("the project text file to write"));
    line.parser().addOption({QStringLiteral("table"),
                             QStringLiteral("save this table only, as the tables command lists it (nuclear gauges: the project identifier) or as stored"),
                             QStringLiteral("NAME")});
    line.parser().addOption({QStringLiteral("force"), QStringLiteral("replace FILE when it exists")});
    int exitCode = 0;
    if (!line.parse(context, args, exitCode))
        return exitCode;
    const QStringList positional = line.parser().positionalArguments();
    if (positional.size() != 1)
        return context.fail(QStringLiteral("save needs exactly one FILE"));
    const QString fileName = positional.first();
    db::DatabaseHold hold(context.paths);
    if (!databaseHeld(context, hold, exitCode))
        return exitCode;

    context.state.Table_List = db::Table_Registry(context.paths, context.state, 0);
    db::Database connection;
    if (!openDatabase(context, connection, exitCode))
        return exitCode;
    if (line.parser().isSet(QStringLiteral("table"))) {
        const std::optional<TableArgument> table = TableArgument::resolve(context, connection, line.parser().value(QStringLiteral("table")), exitCode);
        if (!table)
            return exitCode;
        // The table on screen is kept the way the project tree keeps it: without ".".
        context.state.CurrentTable = Strip_Char(table->listed, QLatin1Char('.'));
    }
    project::ProjectSave save(context.paths, context.state);
    const bool force = line.parser().isSet(QStringLiteral("force"));
    const project::ProjectSave::Result result = save.saveSelected(connection, fileName, force);
    switch (result.outcome) {
    case project::ProjectSave::Outcome::Saved:
        context.out << result.message << "\n";
        return 0;
    case project::ProjectSave::Outcome::FileExists:
        return context.fail(result.message + QStringLiteral("; use --force to replace it"));
    default:
        return context.fail(result.message);
    }
}

} // namespace valtrane::cli
