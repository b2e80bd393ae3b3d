#include "cli/CliContext.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"

namespace valtrane::cli {

int runSave(CliContext &context, const QStringList &args)
{
    CommandLine line(QStringLiteral("save"), QStringLiteral("save"));
    int exitCode = 0;
    if (!line.parse(context, args, exitCode))
        return exitCode;
    return context.fail(QStringLiteral("the save command is not yet available"));
}

} // namespace valtrane::cli
