#include "cli/CliContext.h"

#include "common/StatusCode.h"

namespace valtrane::cli {

int CliContext::fail(const QString &message, int statusCode)
{
    if (statusCode >= 0) {
        err << "error: " << message << " (status " << statusCode << ": " << status::meaning(statusCode) << ")\n";
    } else {
        err << "error: " << message << "\n";
    }
    err.flush();
    return 1;
}

} // namespace valtrane::cli
