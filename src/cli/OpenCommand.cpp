#include "cli/CliContext.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"

namespace valtrane::cli {

int runOpen(CliContext &context, const QStringList &args)
{
    CommandLine line(QStringLiteral("open"), QStringLiteral("open"));
    int exitCode = 0;
    if (!line.parse(context, args, exitCode))
        return exitCode;
    return context.fail(QStringLiteral("the open command is not yet available"));
}

} // namespace valtrane::cli
