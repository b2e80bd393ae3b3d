#include "cli/CliContext.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"

namespace valtrane::cli {

int runStiffnessSummary(CliContext &context, const QStringList &args)
{
    CommandLine line(QStringLiteral("stiffness-summary"), QStringLiteral("stiffness-summary"));
    int exitCode = 0;
    if (!line.parse(context, args, exitCode))
        return exitCode;
    return context.fail(QStringLiteral("the stiffness-summary command is not yet available"));
}

} // namespace valtrane::cli
