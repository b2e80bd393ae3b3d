#pragma once

#include <QString>

namespace valtrane::app {

// Where the system information tool the about box starts lives: on Windows the path the registry
// gives for MSINFO32, elsewhere the first of the usual system information programs found on the
// search path. Empty when there is none.
class SystemInfoTool {
public:
    static QString path();

    static QString unavailableMessage() { return QStringLiteral("System Information Is Unavailable At This Time"); }
};

} // namespace valtrane::app
