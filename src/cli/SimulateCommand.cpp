#include "cli/CliContext.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"

namespace valtrane::cli {

int runSimulate(CliContext &context, const QStringList &args)
{
    CommandLine line(QStringLiteral("simulate"), QStringLiteral("simulate"));
    int exitCode = 0;
    if (!line.parse(context, args, exitCode))
        return exitCode;
    return context.fail(QStringLiteral("the simulate command is not yet available"));
}

} // namespace valtrane::cli
