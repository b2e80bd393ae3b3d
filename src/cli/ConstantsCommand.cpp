#include "cli/CliContext.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"

namespace valtrane::cli {

int runConstants(CliContext &context, const QStringList &args)
{
    CommandLine line(QStringLiteral("constants"), QStringLiteral("constants"));
    int exitCode = 0;
    if (!line.parse(context, args, exitCode))
        return exitCode;
    return context.fail(QStringLiteral("the constants command is not yet available"));
}

} // namespace valtrane::cli
