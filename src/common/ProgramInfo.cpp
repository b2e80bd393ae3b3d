#include "common/ProgramInfo.h"

namespace valtrane::program {

QString title()
{
    return QStringLiteral("Valtrane IR Download");
}

QString version()
{
    return QStringLiteral("%1.%2.%3").arg(VALTRANE_VERSION_MAJOR).arg(VALTRANE_VERSION_MINOR).arg(VALTRANE_VERSION_PATCH);
}

QString webAddress()
{
    return QStringLiteral("https://www.valtrane.com/");
}

} // namespace valtrane::program
