#include "cli/CliContext.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/DeclinePrompter.h"
#include "cli/OpenDatabase.h"
#include "cli/TableArgument.h"
#include "db/Database.h"
#include "db/DatabaseHold.h"
#include "export/WriteoutStiffy.h"
#include "report/StiffnessReportCells.h"
#include "stiffness/StiffnessConstantsFile.h"

#include <QDir>
#include <QFileInfo>

namespace valtrane::cli {

int runStiffnessSummary(CliContext &context, const QStringList &args)
{
    CommandLine line(QStringLiteral("stiffness-summary"),
                     QStringLiteral("Writes the stiffness summary of one run of the database as comma-separated text, "
                                    "with the constants of info/StiffnessCons.vkt."));
    line.parser().addOption({QStringLiteral("table"), QStringLiteral("run table, for example RUN3 or RUN21"), QStringLiteral("RUNn")});
    line.parser().addOption({QStringLiteral("out"), QStringLiteral("summary file to write"), QStringLiteral("FILE")});
    int exitCode = 0;
    if (!line.parse(context, args, exitCode))
        return exitCode;
    const QString table = line.parser().value(QStringLiteral("table"));
    const QString out = line.parser().value(QStringLiteral("out"));
    if (table.isEmpty() || out.isEmpty() || !line.parser().positionalArguments().isEmpty()) {
        context.err << "valtrane-cli stiffness-summary: needs --table RUNn and --out FILE\n";
        return 2;
    }

    const QFileInfo target(out);
    // As the desktop program's save dialog, the summary goes into a folder that is there.
    if (!target.absoluteDir().exists())
        return context.fail(QStringLiteral("there is no folder %1 for the stiffness summary").arg(QDir::toNativeSeparators(target.absolutePath())));

    db::DatabaseHold hold(context.paths);
    if (!databaseHeld(context, hold, exitCode))
        return exitCode;
    db::Database database;
    if (!openDatabase(context, database, exitCode, db::Database::Access::ReadOnly))
        return exitCode;
    const std::optional<TableArgument> run = TableArgument::resolve(context, database, table, exitCode);
    if (!run)
        return exitCode;

    DeclinePrompter prompter(context.prompter, context.err, QStringLiteral("the stiffness constants are all zero."));
    stiffness::StiffnessConstantsFile(context.paths, context.state, prompter).run(0);

    const auto cells = report::StiffnessReportCells::build(database, run->stored, context.state.StiffnessConstants);
    if (!cells)
        return context.fail(QStringLiteral("there is no stiffness run table %1").arg(table));
    const QString file = target.absoluteFilePath();
    if (!exporting::writeoutStiffy(*cells, file, context.prompter))
        return context.fail(QStringLiteral("the stiffness summary could not be written to %1").arg(file));
    context.out << "Stiffness summary of " << run->listed << " written to " << file << "\n";
    return 0;
}

} // namespace valtrane::cli
