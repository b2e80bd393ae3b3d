#include "cli/CliContext.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/OpenDatabase.h"
#include "cli/TableArgument.h"
#include "db/Database.h"
#include "db/DatabaseHold.h"
#include "db/FieldValue.h"
#include "db/Recordset.h"

namespace valtrane::cli {

namespace {

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\r'))
        && !text.contains(QLatin1Char('\n')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

int runDump(CliContext &context, const QStringList &args)
{
    CommandLine line(QStringLiteral("dump"), QStringLiteral("Writes the rows of a table of the database as CSV, with a header line of field names."));
    line.parser().addPositionalArgument(QStringLiteral("TABLE"), QStringLiteral("table as the tables command lists it (12.5, RUN3, CBR_LBR1) or as stored (P125)"));
    line.parser().addOption({QStringLiteral("where"), QStringLiteral("condition, for example \"SA = 'S' AND RDNUM > 0\"; empty for every row"), QStringLiteral("CONDITION")});
    int exitCode = 0;
    if (!line.parse(context, args, exitCode))
        return exitCode;
    const QStringList positional = line.parser().positionalArguments();
    if (positional.size() != 1)
        return context.fail(QStringLiteral("dump needs exactly one TABLE"));

    db::DatabaseHold hold(context.paths);
    if (!databaseHeld(context, hold, exitCode))
        return exitCode;
    db::Database database;
    if (!openDatabase(context, database, exitCode, db::Database::Access::ReadOnly))
        return exitCode;
    const std::optional<TableArgument> table = TableArgument::resolve(context, database, positional.first(), exitCode);
    if (!table)
        return exitCode;
    QString sql = QStringLiteral("SELECT * FROM ") + table->stored;
    // An empty condition holds for every row.
    const QString condition = line.parser().value(QStringLiteral("where")).trimmed();
    if (!condition.isEmpty())
        sql += QStringLiteral(" WHERE ") + condition;
    auto rs = database.openRecordset(sql);
    if (!rs)
        return context.fail(database.lastError());

    QStringList header;
    for (const QString &name : rs->fieldNames())
        header.append(csvField(name));
    context.out << header.join(QLatin1Char(',')) << "\n";
    const int columns = int(rs->schema().fields.size());
    for (rs->moveFirst(); !rs->isEOF(); rs->moveNext()) {
        QStringList row;
        for (int i = 0; i < columns; ++i)
            row.append(csvField(db::fieldText(rs->field(i))));
        context.out << row.join(QLatin1Char(',')) << "\n";
    }
    return 0;
}

} // namespace valtrane::cli
