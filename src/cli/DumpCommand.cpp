#include "cli/CliContext.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/OpenDatabase.h"
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
    line.parser().addPositionalArgument(QStringLiteral("TABLE"), QStringLiteral("table name, for example P125, RUN3 or CBR_LBR1"));
    line.parser().addOption({QStringLiteral("where"), QStringLiteral("condition, for example \"SA = 'S' AND RDNUM > 0\""), QStringLiteral("CONDITION")});
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
    if (!openDatabase(context, database, exitCode))
        return exitCode;
    QString sql = QStringLiteral("SELECT * FROM ") + positional.first();
    if (line.parser().isSet(QStringLiteral("where")))
        sql += QStringLiteral(" WHERE ") + line.parser().value(QStringLiteral("where"));
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
