#include "cli/CliContext.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/OpenDatabase.h"
#include "db/DatabaseHold.h"
#include "db/TableRegistry.h"
#include "project/ProjectOpen.h"
#include "report/InfoFile.h"

namespace valtrane::cli {

int runOpen(CliContext &context, const QStringList &args)
{
    CommandLine line(QStringLiteral("open"),
                     QStringLiteral("Opens a saved project text file: a new database from the file, the table registry and "
                                    "info/Info.vkt. Prints the gauge model code and the table list."));
    line.parser().addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("a project text file saved by this program"));
    int exitCode = 0;
    if (!line.parse(context, args, exitCode))
        return exitCode;
    const QStringList positional = line.parser().positionalArguments();
    if (positional.size() != 1)
        return context.fail(QStringLiteral("open needs exactly one FILE"));

    db::DatabaseHold hold(context.paths);
    if (!databaseHeld(context, hold, exitCode))
        return exitCode;
    // As the desktop program has them after start-up: the tables to replace, and the report
    // information that is written back with the new root caption.
    context.state.Table_List = db::Table_Registry(context.paths, context.state, 0);
    report::InfoFile::read(context.paths, context.state);

    const project::ProjectOpenResult result = project::ProjectOpen::open(context.paths, context.state, positional.first());
    if (!result.opened)
        return context.fail(result.error, result.status != 0 ? result.status : -1);
    context.out << "DeviceCode: " << context.state.DeviceCode << "\n";
    context.out << "Table_List: " << context.state.Table_List << "\n";
    if (!result.warning.isEmpty())
        context.err << "warning: " << result.warning << "\n";
    return 0;
}

} // namespace valtrane::cli
