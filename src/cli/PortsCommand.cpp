#include "cli/CliContext.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"

namespace valtrane::cli {

int runPorts(CliContext &context, const QStringList &args)
{
    CommandLine line(QStringLiteral("ports"), QStringLiteral("ports"));
    int exitCode = 0;
    if (!line.parse(context, args, exitCode))
        return exitCode;
    return context.fail(QStringLiteral("the ports command is not yet available"));
}

} // namespace valtrane::cli
