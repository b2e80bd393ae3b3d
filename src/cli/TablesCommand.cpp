#include "cli/CliContext.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"

namespace valtrane::cli {

int runTables(CliContext &context, const QStringList &args)
{
    CommandLine line(QStringLiteral("tables"), QStringLiteral("tables"));
    int exitCode = 0;
    if (!line.parse(context, args, exitCode))
        return exitCode;
    return context.fail(QStringLiteral("the tables command is not yet available"));
}

} // namespace valtrane::cli
