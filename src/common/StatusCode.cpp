#include "common/StatusCode.h"

namespace valtrane::status {

QString meaning(int code)
{
    switch (code) {
    case Ok: return QStringLiteral("ok");
    case StreamComplete: return QStringLiteral("stream complete");
    case PortTimeout: return QStringLiteral("port could not be opened, or no data from the gauge within 30 seconds");
    case DatabaseLocked: return QStringLiteral("database locked by another program");
    case DatabaseNotCreated: return QStringLiteral("database file could not be created");
    case DatabaseFileMissing: return QStringLiteral("database file missing after creation");
    case AbortedWhileReceiving: return QStringLiteral("download aborted while receiving");
    case CommunicationError: return QStringLiteral("communication error");
    case NoTablesCreated: return QStringLiteral("stream ended without any table");
    case BadByte: return QStringLiteral("bad byte received");
    case CommEventWhileWaiting: return QStringLiteral("communication error while waiting for data");
    case StiffnessParserError: return QStringLiteral("stiffness data could not be read");
    default: return QStringLiteral("status %1").arg(code);
    }
}

} // namespace valtrane::status
