#include "link/SerialSettings.h"

#include <QStringList>

namespace valtrane::link {

std::optional<SerialSettings> SerialSettings::parse(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4)
        return std::nullopt;
    SerialSettings s;
    bool ok = false;
    s.baudRate = parts[0].trimmed().toInt(&ok);
    if (!ok || s.baudRate <= 0)
        return std::nullopt;
    const QString parity = parts[1].trimmed().toUpper();
    if (parity.size() != 1 || !QStringLiteral("NEOMS").contains(parity))
        return std::nullopt;
    s.parity = parity.at(0);
    s.dataBits = parts[2].trimmed().toInt(&ok);
    if (!ok || s.dataBits < 5 || s.dataBits > 8)
        return std::nullopt;
    s.stopBits = parts[3].trimmed();
    if (s.stopBits != QLatin1String("1") && s.stopBits != QLatin1String("1.5") && s.stopBits != QLatin1String("2"))
        return std::nullopt;
    return s;
}

} // namespace valtrane::link
