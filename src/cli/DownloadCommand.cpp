#include "cli/CliContext.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"

namespace valtrane::cli {

int runDownload(CliContext &context, const QStringList &args)
{
    CommandLine line(QStringLiteral("download"), QStringLiteral("download"));
    int exitCode = 0;
    if (!line.parse(context, args, exitCode))
        return exitCode;
    return context.fail(QStringLiteral("the download command is not yet available"));
}

} // namespace valtrane::cli
