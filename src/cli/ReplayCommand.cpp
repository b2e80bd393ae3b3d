#include "cli/CliContext.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"

namespace valtrane::cli {

int runReplay(CliContext &context, const QStringList &args)
{
    CommandLine line(QStringLiteral("replay"), QStringLiteral("replay"));
    int exitCode = 0;
    if (!line.parse(context, args, exitCode))
        return exitCode;
    return context.fail(QStringLiteral("the replay command is not yet available"));
}

} // namespace valtrane::cli
