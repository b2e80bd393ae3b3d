#include "cli/CliContext.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"

namespace valtrane::cli {

int runDump(CliContext &context, const QStringList &args)
{
    CommandLine line(QStringLiteral("dump"), QStringLiteral("dump"));
    int exitCode = 0;
    if (!line.parse(context, args, exitCode))
        return exitCode;
    return context.fail(QStringLiteral("the dump command is not yet available"));
}

} // namespace valtrane::cli
